#pragma once

#include <QString>

// Where Decompress puts an entry. The output path follows the Windows rules of the control, mapped
// to this system: a drive ("D:") is dropped, "\" counts as "/", and a path that is not absolute is
// taken from the root of the file system, as the control takes it from the root of drive C:
// ("out" -> "/out"). Every target stays inside the output folder.
class ZOutputFolder {
public:
    enum class Status {
        Ok,      // write the entry to path
        Skip,    // the target exists and Overwrite is false
        Unsafe,  // the stored name would leave the output folder, or is no file name
        Failed   // the folders on the way could not be made
    };
    struct Target {
        Status status = Status::Failed;
        QString path;
    };

    explicit ZOutputFolder(const QString& outputPath);

    // The output folder, without a trailing "/" ("" for the root of the file system).
    const QString& root() const { return m_root; }
    // Resolves the target of a stored name, making the missing folders on the way. An existing
    // target is kept for replacement with Overwrite; a symbolic link there is removed first so that
    // nothing is written through it.
    Target target(const QString& storedName, bool usePaths, bool overwrite) const;

private:
    bool insideRoot(const QString& folder) const;

    QString m_root;
};
