// One of the barometer's pictures (Image1: trend, Image2: forecast): shows the picture of the list
// entry it was given, drawn to fit its size; an index without a picture shows nothing.
#pragma once

#include <QWidget>

class PictureView : public QWidget {
    Q_OBJECT
public:
    enum class List { Trend, Forecast };
    PictureView(List list, const QSize& designSize, QWidget* parent = nullptr);

    int picture() const { return picture_; }
    void setPicture(int index);
    QSize sizeHint() const override { return design_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    List list_;
    QSize design_;
    int picture_ = -1;
};
