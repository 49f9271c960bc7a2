#pragma once

#include "PlatformExport.h"

#include <QVariant>
#include <QWidget>

#include <memory>

class AppSystem;
class ParameterList;

// Shared by a window, its host and the component (the same alias as the module contracts').
using ParameterListPtr = std::shared_ptr<ParameterList>;

// What a window uses of an embedded host (the widget that creates a business component by the
// identifier paired with a program number, drives it through its contract and carries its
// toolbar). The host hands the component's events to its window as NamedEvent.
class ORVEL_PLATFORM_EXPORT EmbeddedHost : public QWidget {
    Q_OBJECT
public:
    explicit EmbeddedHost(QWidget* parent = nullptr) : QWidget(parent) {}

    // pcSystem (not owned), the configuration object (opaque, handed on), the program number and
    // the arguments of the host's kind: oedit {record id (number), mode}; oReport and oquery
    // {caption}; oeditrpt {parameter list as QVariant::fromValue(ParameterListPtr)}; oalert {}.
    // True when the host and its component are ready. On false LastError tells why, and the
    // host has raised "errmessage" with that text and level 1 (log only) for the window's log.
    // An oeditrpt host may replace the parameter list: the window reads Parameters() afterwards.
    virtual bool Py_Init(AppSystem* pcSystem, QObject* config, int program, const QVariantList& arguments) = 0;
    // Named values for the host ("sID": a text record id).
    virtual void SetParameters(ParameterListPtr parameters) { m_parameters = std::move(parameters); }
    virtual ParameterListPtr Parameters() const { return m_parameters; }
    // Releases the component; called right before the host is removed.
    virtual void Clear() = 0;
    // True when the component holds edits that are not saved.
    virtual bool IsDirty() const { return false; }
    // Saves the component's edits; true when saved (or nothing to save).
    virtual bool SaveChanges() { return true; }
    // Why the last Py_Init failed; empty after a successful one.
    QString LastError() const { return m_lastError; }

signals:
    // name in lower case: "message", "errmessage", "unload", "detaile", "detailes",
    // "detailerpt", "filenew", "fileedit", ...; values v0, v1, v2, ...
    void NamedEvent(const QString& name, const QVariantList& values);

protected:
    ParameterListPtr m_parameters;
    QString m_lastError;
};

Q_DECLARE_METATYPE(ParameterListPtr)
