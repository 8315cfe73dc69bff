#pragma once
// The preview's position bar: where the picture is in its file, and the
// entry's start and end marks on the same scale. A press or a drag seeks.

#include <QWidget>

class TMarkBar : public QWidget {
    Q_OBJECT
public:
    explicit TMarkBar(QWidget* parent = nullptr);

    void SetDuration(double seconds);
    void SetPosition(double seconds);
    // End 0: the entry runs to the end of its file.
    void SetMarks(double start, double end);
    double Duration() const { return Length; }
    double Position() const { return Now; }
    double StartMark() const { return Start; }
    double EndMark() const { return End; }
    // The x of a time within the bar's track, and back.
    int XOf(double seconds) const;
    double TimeAt(int x) const;

    QSize sizeHint() const override { return {300, 22}; }

signals:
    void SeekRequested(double seconds);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QRect Track() const;

    double Length = 0.0;
    double Now = 0.0;
    double Start = 0.0;
    double End = 0.0;
};
