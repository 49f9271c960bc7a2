#pragma once

#include <QPixmap>
#include <QString>
#include <QVariant>

class QWidget;

// Small helpers of the shell: path rules, a truth rule for configuration texts, folders,
// temporary files, saving a database field, capturing a window and file titles.
// Paths from configuration files and databases may use "\" as separator.
namespace bCommon {

// Replaces "%app.path%" (the program folder), "%year%" and "%shortyear%", in any letter case.
QString ExpandMacros(const QString& text);
// A relative path taken from the program folder; "\" becomes "/", doubled separators single.
QString FromProgramFolder(const QString& path);
// The leading decimal number of a text ("12abc" -> 12, "" or "abc" -> 0), blanks skipped.
double NumericValue(const QString& text);

// Expands "%app.path%", "%year%" and "%shortyear%"; unless keepRelative, a relative result is
// taken from the program folder. Empty for an empty or blank text.
QString ExpandPath(const QString& text, bool keepRelative);
// Null, "", "0" and "false" (any case, blanks trimmed) are false; every other value is true.
bool IsTrue(const QVariant& value);
// Creates the folder and every missing parent; true when the folder exists afterwards.
bool MakePath(const QString& path);
// A new, empty file in the temporary folder whose name begins with prefix; empty on failure.
QString TempFileName(const QString& prefix);
// Writes a field's value (the bytes of a binary column, the UTF-8 of a text) to a file; without
// overwrite an existing file is left alone and the call fails.
bool SaveFieldToFile(const QString& fileName, const QVariant& field, bool overwrite);
// The rectangle (left, top, width, height in pixels) of the window's client area or of the whole
// window as a picture; an empty picture on failure.
QPixmap CaptureWindow(QWidget* window, bool clientArea, int left, int top, int width, int height);
// The program's version, major.minor.patch.
QString ProgramVersion();
// Shows the window maximised; it covers the screen's available area also where no window
// manager honours "maximised".
void ShowMaximized(QWidget* window);
// Opens the program's help file with the desktop's viewer; tells the operator (through the
// dialog service) when no help file is set or it does not exist.
void ShowHelp(const QString& helpFileName);
// The last element of a path; with stripExtension, the part before its first ".".
QString FileTitle(const QString& path, bool stripExtension);

}  // namespace bCommon
