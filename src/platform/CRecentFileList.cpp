#include "platform/CRecentFileList.h"

#include <QSettings>

namespace {

// Where the list lives: the program's own settings, one key per entry.
const char* const Organisation = "Orvane Solutions";
const char* const Application = "Vantrel";
const char* const Group = "Recent File List";

QString EntryKey(int index)
{
    return QStringLiteral("File%1").arg(index + 1);
}

}  // namespace

CRecentFileList::CRecentFileList(int size) : m_size(size)
{
    QSettings settings(Organisation, Application);
    settings.beginGroup(Group);
    for (int index = 0; index < m_size; ++index) {
        const QString path = settings.value(EntryKey(index)).toString();
        if (!path.isEmpty() && !m_entries.contains(path))
            m_entries.append(path);
    }
}

void CRecentFileList::Add(const QString& path)
{
    if (path.isEmpty())
        return;
    m_entries.removeAll(path);
    m_entries.prepend(path);
    while (m_entries.size() > m_size)
        m_entries.removeLast();
    Store();
}

void CRecentFileList::Store() const
{
    QSettings settings(Organisation, Application);
    settings.beginGroup(Group);
    for (int index = 0; index < m_size; ++index) {
        if (index < m_entries.size())
            settings.setValue(EntryKey(index), m_entries.at(index));
        else
            settings.remove(EntryKey(index));
    }
}
