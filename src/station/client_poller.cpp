#include "station/client_poller.h"

#include "station/station_client.h"

ClientPoller::ClientPoller(StationClient& client, QObject* parent)
    : QObject(parent), client_(client) {
    timer_.setInterval(1000);
    connect(&timer_, &QTimer::timeout, this, &ClientPoller::tick);
}

void ClientPoller::start(int from) {
    counter_ = from;
    timer_.start();
}

void ClientPoller::stop() {
    timer_.stop();
}

void ClientPoller::tick() {
    counter_ = counter_ == 0 ? 59 : counter_ - 1;
    client_.GroupRequest(counter_);
}
