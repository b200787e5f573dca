// The main window's pictures, drawn as vectors so that they are crisp at any screen scale: the
// barometer trend arrows, the forecast pictures and the "Aktiv" button's icon.
#pragma once

#include <QPainter>
#include <QRectF>

// Trend picture by code: 1 an arrow up and to the right, 2 a horizontal double-headed arrow, 4 an
// arrow down and to the right; every other code is blank. Drawn into the 32:24 area centred in
// the target.
void paintTrendPicture(QPainter& painter, const QRectF& target, int code);
// Forecast picture by code: 1 a sun, 2 a grey cloud, 4 a sun partly behind a cloud, 8 a cloud with
// rain drops; every other code is blank. Drawn into the 55:44 area centred in the target.
void paintForecastPicture(QPainter& painter, const QRectF& target, int code);
// The "Aktiv" button's icon: a station mast sending, plain or (hover) lit.
void paintActiveIcon(QPainter& painter, const QRectF& target, bool hover);
