#pragma once

#include <QTimer>
#include <QWidget>

class AppSystem;
class QLabel;
class clsConfig;

// The borderless window shown between the login and the workbench: title, picture, user,
// rights and version lines. Its timer is stopped on load; when it fires the splash closes.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    frmSplash(const clsConfig& config, AppSystem& system, QWidget* parent = nullptr);

    QTimer& Timer() { return m_timer; }
    // The window alpha set by SetWindowAlpha (0-255).
    int Alpha() const { return m_alpha; }
    // Sets the translucency: percentage capped at 100, alpha = integer part of percentage/100*255.
    void SetWindowAlpha(int percentage);

    // Font size (points) and label height (pixels) of the title for a caption length.
    struct TitleSize {
        double points;
        int height;
    };
    static TitleSize TitleSizeFor(int captionLength);

    QLabel* Picture() const { return m_picture; }
    QLabel* UserLine() const { return m_user; }
    QLabel* RightsLine() const { return m_rights; }
    QLabel* VersionLine() const { return m_version; }
    QLabel* Title(int index) const { return m_titles[index]; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer m_timer;
    int m_alpha = 255;
    QLabel* m_picture;
    QLabel* m_titles[3];
    QLabel* m_user;
    QLabel* m_rights;
    QLabel* m_version;
};
