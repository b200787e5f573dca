// The German reason for a failed network operation of an upload, named without the address it
// went to (an address may carry a station key).
#pragma once

#include <QAbstractSocket>
#include <QString>

QString socketFailureText(QAbstractSocket::SocketError error);
