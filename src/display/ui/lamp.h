// A filled circle (or ellipse) in one colour: the battery lamp Shape1 and the receive-activity
// lamp.
#pragma once

#include <QColor>
#include <QWidget>

class Lamp : public QWidget {
    Q_OBJECT
public:
    Lamp(const QSize& designSize, QColor colour, QWidget* parent = nullptr);

    QColor colour() const { return colour_; }
    void setColour(const QColor& colour);
    QSize sizeHint() const override { return design_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QSize design_;
    QColor colour_;
};
