#pragma once
// The seven-day chart: Panel1 holding the pixel-exact picture Image1 and the
// banner Image2 that covers the rows below the calendar's last day.
#include "tendencies/WeekLayout.h"

#include <QFrame>
#include <QImage>
#include <QPixmap>

class QLabel;

// Paints a week: every piece a silver-outlined rectangle in its colour, in
// order; rows after the last drawn day are silver (nothing there).
QImage PaintWeekImage(const WeekLayout& week);
// The same painting for `rows` day rows of the chart's width (the team grid's
// rows use it, so they look exactly like the chart).
QImage PaintChartRows(const QList<ChartPiece>& pieces, int rows);

// Image1: shows the picture 1:1 and reports where a mouse button was released.
// From the keyboard an hour cell is chosen (the arrows, Home, End) and framed
// over the picture while the chart has the keyboard; the picture stays as it is.
class ChartImage : public QWidget {
    Q_OBJECT
public:
    explicit ChartImage(QWidget* parent = nullptr);
    void setImage(QImage image);
    const QImage& image() const { return image_; }
    QRgb pixel(int x, int y) const { return image_.pixel(x, y); }

    // The chosen cell: a row of the seven days and an hour 0-23.
    int chosenRow() const { return chosenRow_; }
    int chosenHour() const { return chosenHour_; }
    void choose(int row, int hour);
    // The rows the keys may reach (the days drawn).
    void setUsedRows(int rows) { usedRows_ = rows; }

signals:
    void released(int x, int y);
    // The keys chose another cell.
    void chosen(int row, int hour);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QImage image_;
    int chosenRow_ = 0;
    int chosenHour_ = 0;
    int usedRows_ = ChartDays;
    bool rightButtonDown_ = false;
};

// Panel1: lowered frame of 676 x 158 with Image1 at 1,1 and the banner.
class WeekChart : public QFrame {
    Q_OBJECT
public:
    explicit WeekChart(QWidget* parent = nullptr);
    // Paints the week and shows the banner below the last day when fewer than seven rows are used.
    void showWeek(const WeekLayout& week);
    // The banner drawn for `period` (its first text line) instead of the
    // stored picture, its lines laid out whole in the part left in sight.
    void setBannerPeriod(const QString& period) { bannerPeriod_ = period; }

    ChartImage* Image1;
    QLabel* Image2;

private:
    QString bannerPeriod_;
};

// The drawn banner, `size` device-independent pixels at `ratio`: the name and
// motto when `inSight` pixels leave room, then `period` and the hint, each line whole.
QPixmap DrawnBanner(const QString& period, QSize size, int inSight, qreal ratio);
