#pragma once

// How a table is named to the user, and where its production index lies.

#include <filesystem>
#include <string>
#include <string_view>

namespace vadelto::dbase {

// "C:\HVDAT\PROFT.DBF (/home/ana/.wine/drive_c/HVDAT/PROFT.DBF)": the label the user
// knows with where the file really is, in Windows-1252.
std::string NameForMessages(std::string_view label, const std::filesystem::path& file);

// The table's .MDX: an existing file of that name in any letter case, otherwise the name
// with the extension in the case of the table's own (".DBF" gives ".MDX", ".dbf" ".mdx").
std::filesystem::path IndexFileOf(const std::filesystem::path& table);

}  // namespace vadelto::dbase
