// The model of "Client/Server": "OK" switches between the serial port and the client at once.
#include "config/client_server_settings_model.h"

#include <gtest/gtest.h>

#include "config/plain_settings_host.h"
#include "support/qt_printers.h"

namespace {
struct Switches {
    QStringList calls;
    bool serialOpens = true;
    InputSwitches functions() {
        return {[this] {
                    calls << "openSerial";
                    return serialOpens;
                },
                [this] { calls << "closeSerial"; }, [this] { calls << "openClient"; },
                [this] { calls << "closeClient"; }};
    }
};

// A host with the default server, its dialog model, and the switches it calls.
struct ClientServer : testing::Test {
    ClientServer() {
        host.address = "127.0.0.1";
        host.serverPort = 6980;
    }
    PlainSettingsHost host;
    Switches switches;
    ClientServerSettingsModel model{host, switches.functions()};
};
}  // namespace

TEST_F(ClientServer, ClientAktivOpensTheConnectionWhileInactive) {
    model.fill();
    EXPECT_FALSE(model.clientActive);
    EXPECT_TRUE(model.serverFieldsEnabled());
    EXPECT_EQ(model.port, "6980");
    model.clientActive = true;
    EXPECT_FALSE(model.serverFieldsEnabled());
    EXPECT_EQ(model.take(), std::nullopt);
    EXPECT_EQ(switches.calls, (QStringList{"closeSerial", "openClient"}));
    EXPECT_FALSE(host.aktiv);
}

TEST_F(ClientServer, SerialPortThatFailsLeavesTheClientAlone) {
    host.client = true;
    switches.serialOpens = false;
    model.fill();
    model.clientActive = false;
    model.take();
    EXPECT_EQ(switches.calls, QStringList{"openSerial"});
    switches.serialOpens = true;
    switches.calls.clear();
    model.take();
    EXPECT_EQ(switches.calls, (QStringList{"openSerial", "closeClient"}));
}

TEST_F(ClientServer, OtherServerIsConnectedAnewAndBadPortTakesNothing) {
    model.fill();
    model.clientActive = true;
    model.address = " 10.0.0.7 ";
    model.take();
    EXPECT_EQ(host.address, "10.0.0.7");
    EXPECT_EQ(switches.calls, (QStringList{"closeSerial", "closeClient", "openClient"}));

    switches.calls.clear();
    model.address = "10.0.0.8";
    for (const char* bad : {"abc", "0", "65536"}) {
        model.port = bad;
        EXPECT_EQ(model.take(), (FieldProblem{"RemotePort", notIntegerMessage(bad)}));
    }
    EXPECT_EQ(host.address, "10.0.0.7");
    EXPECT_EQ(host.serverPort, 6980);
    EXPECT_EQ(switches.calls, QStringList());
}
