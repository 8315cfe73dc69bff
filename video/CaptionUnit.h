#pragma once
// The caption strip above the video window: shows the current title and
// drags the video window with it.

#include <QWidget>

class QLabel;

class TCaptionForm : public QWidget {
    Q_OBJECT
public:
    explicit TCaptionForm(QWidget* parent = nullptr);
    ~TCaptionForm() override;

    QLabel* Image1 = nullptr; // strip background
    QLabel* Label1 = nullptr; // the title
    QString CaptionText;

    void SetCaptionText(const QString& title);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void FollowWithVideoWindow();
    QPoint GrabOffset;
};

extern TCaptionForm* CaptionForm;

constexpr int CaptionGap = 19; // strip top to video window top
