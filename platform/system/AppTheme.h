#pragma once

#include "PlatformExport.h"

#include <QString>

class QWidget;

// The shell's theme: a folder holding the Qt style sheet "style.qss" and the theme's pictures.
class ORVEL_PLATFORM_EXPORT AppTheme {
public:
    static constexpr const char* kStyleSheetFile = "style.qss";

    // Makes the folder the current theme. A folder that does not exist or has no readable style
    // sheet leaves no theme loaded and returns false with the reason in *error.
    bool Load(const QString& name, const QString& folder, QString* error = nullptr);
    // Adds the theme's style sheet after the window's own; without a theme the window is left as
    // it is.
    void Apply(QWidget* window) const;
    // The current theme's folder; empty when no theme is loaded.
    QString Folder() const { return m_folder; }
    QString Name() const { return m_name; }
    QString StyleSheet() const { return m_styleSheet; }

private:
    QString m_name;
    QString m_folder;
    QString m_styleSheet;
};
