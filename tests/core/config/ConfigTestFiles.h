#pragma once

#include "TempDir.h"

namespace configtest {

inline const std::string Declaration = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n";
// The lines both writers put between their titles and the root element.
inline const std::string EditingNote = "     NOTE:\n"
                                       "        If you want to edit this file, remember all\n"
                                       "        keywords like node names, and node attribute\n"
                                       "        names are case-sensitive.\n"
                                       "        Please, make a backup copy of the file before editing,\n"
                                       "        and follow the syntax carefully!\n"
                                       "  -->\n"
                                       "<VantrelControl>\n";

// A configuration file whose root element holds these children; its path.
inline std::string WriteConfig(const testsupport::TempDir& dir, const std::string& children)
{
    const std::string path = dir.Path() + "VantrelControl.xml";
    testsupport::WriteFile(path, Declaration + "<VantrelControl>\n" + children + "</VantrelControl>\n");
    return path;
}

}  // namespace configtest
