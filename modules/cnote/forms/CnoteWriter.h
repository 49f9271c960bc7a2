#pragma once

#include "CnoteEntry.h"
#include "CnoteState.h"

#include <functional>

class AppSystem;
class CnoteFormView;
class CnoteLoader;
class CnoteStatements;
class Database;

// Saving and deleting the shown note, each in one transaction that is rolled back at the first
// failing statement. On any failure the form keeps the operator's input.
class CnoteWriter {
public:
    struct Events {
        std::function<void(const QString&)> error;    // ErrMessage
        std::function<void(const QString&)> message;  // Message
    };

    CnoteWriter(CnoteFormView& view, CnoteState& state, CnoteLoader& loader, Events events);

    void Bind(AppSystem* system) { m_system = system; }

    // Every active box is valid; otherwise the operator is told which box is wrong.
    bool IsCanSave();
    bool FileSave();
    bool FileDelete();

    // The form's content as it would be saved.
    CnoteEntry Entry() const;

private:
    enum class Outcome { Stored, Failed, IdTaken };

    bool checkNumber(const CnoteStatements& sql, const QString& number, bool isNew);
    Outcome write(const CnoteStatements& sql, qint64 id, bool isNew);
    bool run(const QString& statement);
    bool fail(const QString& text);
    bool refuse(const QString& text, const QString& title);
    bool hasRow(const QString& statement);
    Database& db() const;

    CnoteFormView& m_view;
    CnoteState& m_state;
    CnoteLoader& m_loader;
    Events m_events;
    AppSystem* m_system = nullptr;
};
