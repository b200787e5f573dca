// A small tool window that is entirely one read-only grid with a fixed first row, as the link
// diagnostics use it. It tells when the user closes or hides it, so that its menu item can drop
// its check mark.
#pragma once

#include <QWidget>

class QTableWidget;

class GridWindow : public QWidget {
    Q_OBJECT
public:
    GridWindow(const QString& caption, int columns, int rows, QWidget* parent = nullptr);

    QString cell(int row, int column) const;
    void setCell(int row, int column, const QString& text);
    QTableWidget* grid() const { return grid_; }
    // Height of one grid row: the designed 15 pixels, or more when the font needs it.
    int rowHeight() const;

signals:
    void hidden();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    QTableWidget* grid_;
};
