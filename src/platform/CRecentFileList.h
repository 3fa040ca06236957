#pragma once

#include <QString>
#include <QStringList>

// The most recently opened record base directories, newest first, kept in
// the user's settings of the program so that they outlive a run.
class CRecentFileList {
public:
    static constexpr int DefaultSize = 4;

    // Reads the stored entries at once; size is how many the list keeps.
    explicit CRecentFileList(int size = DefaultSize);

    // Puts path at the top, dropping an older copy of it and the oldest
    // entry beyond the size, and stores the list.
    void Add(const QString& path);
    const QStringList& Entries() const { return m_entries; }
    int Size() const { return m_size; }

private:
    void Store() const;

    int m_size;
    QStringList m_entries;
};
