#pragma once

#include <QColor>
#include <QPixmap>
#include <QPoint>
#include <QWidget>

class QLabel;
class QLineEdit;
class QToolButton;

// The lock screen of the workbench. pic(2) holds the captured window, the veil pic(0) covers the
// window with that picture blended at 25 of 255 over the veil's colour, and the lock dialog
// pic(1) in front of it asks for the password ("返回系统") or ends the program ("退出系统").
// The dialog can be dragged with the left mouse button.
class LockOverlay : public QWidget {
    Q_OBJECT
public:
    static constexpr int kBlendOpacity = 25;  // of 255
    // The colour the capture is blended over.
    static QColor VeilColor() { return {0x16, 0x22, 0x31}; }

    explicit LockOverlay(QWidget* window);

    // Covers the window with the capture and shows the dialog centred, the focus in the password.
    void Lock(const QPixmap& capture);
    // Drops the pictures and hides the veil and the dialog.
    void Unlock();
    bool IsLocked() const { return isVisible(); }

    void SetDialogPicture(const QPixmap& picture);
    // What the veil shows: the capture blended over the veil's colour.
    QPixmap Veil() const { return m_veil; }
    QLabel* Capture() const { return m_capture; }
    QWidget* Dialog() const { return m_dialog; }
    QLineEdit* Password() const { return m_password; }
    QToolButton* ReturnButton() const { return m_return; }
    QToolButton* ExitButton() const { return m_exit; }

signals:
    void unlockRequested();
    void exitRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* buildDialog();
    void coverWindow();

    QWidget* m_window;
    QLabel* m_capture;  // pic(2)
    QWidget* m_dialog;  // pic(1)
    QLabel* m_picture = nullptr;
    QLineEdit* m_password = nullptr;
    QToolButton* m_return = nullptr;
    QToolButton* m_exit = nullptr;
    QPixmap m_veil;
    bool m_dragging = false;
    QPoint m_dragOrigin;
};
