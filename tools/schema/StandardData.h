#pragma once

#include <QString>

class Database;

// The rows of a new installation: the standard menus and programs, one company, the system
// settings and one operator with every right.
namespace StandardData {

// Program numbers of the standard installation.
constexpr int kNoteProgram = 650001;
constexpr int kHandoverReport = 650002;
constexpr int kReceivablesReport = 650003;
constexpr int kBusinessReport = 650004;
constexpr int kImportAddin = 650005;
constexpr int kUploadAddin = 650006;
constexpr int kAddinManager = 100027;

// Writes the rows in one transaction; false with the database's message in *error.
bool Fill(Database& db, const QString& adminName, const QString& adminPassword, QString* error);

}  // namespace StandardData
