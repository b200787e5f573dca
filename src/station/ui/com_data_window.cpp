#include "station/ui/com_data_window.h"

#include <QAction>
#include <QHideEvent>
#include <QSaveFile>
#include <QToolBar>
#include <QVBoxLayout>

#include "station/ui/terminal_view.h"

ComDataWindow::ComDataWindow(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setObjectName(QStringLiteral("ComDataWindow"));
    setWindowTitle(QStringLiteral("Comport Input: "));
    view_ = new TerminalView(screen_, hex_, this);
    auto* bar = new QToolBar(this);
    bar->setIconSize({12, 12});
    hexAction_ = bar->addAction(QStringLiteral("Hex-Ansicht"));
    hexAction_->setObjectName(QStringLiteral("HexView"));
    hexAction_->setCheckable(true);
    hexAction_->setToolTip(QStringLiteral("Die empfangenen Bytes hexadezimal zeigen"));
    connect(hexAction_, &QAction::toggled, this, [this](bool on) {
        view_->setHexMode(on);
        // A window too narrow for a whole hex line grows to it.
        const int missing = view_->hexLineWidth() - view_->width();
        if (on && missing > 0)
            resize(width() + missing, height());
    });
    QAction* clear = bar->addAction(QStringLiteral("Leeren"));
    connect(clear, &QAction::triggered, this, [this] {
        screen_.clear();
        hex_.clear();
        view_->modelChanged();
    });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(view_, 1);
    resize(531, 442);
}

void ComDataWindow::setPortName(const QString& port) {
    port_ = port;
    if (isVisible())
        setWindowTitle(QStringLiteral("Comport Input: ") + port_);
}

void ComDataWindow::bytesReceived(QByteArrayView bytes) {
    screen_.setScreenRows(view_->visibleRows());
    screen_.feed(bytes);
    hex_.feed(bytes);
    view_->modelChanged();
}

bool ComDataWindow::dumpTo(const QString& path, QString* error) const {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(hex_.bytes()) != hex_.bytes().size() ||
        !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

void ComDataWindow::showEvent(QShowEvent* event) {
    setWindowTitle(QStringLiteral("Comport Input: ") + port_);
    QWidget::showEvent(event);
    view_->modelChanged();
}

void ComDataWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        emit hidden();
}
