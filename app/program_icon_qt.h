// The program's icon: the installed theme icon "vornia-generator" when
// there is one, otherwise the same picture drawn here.
#pragma once

#include <QIcon>

namespace vornia {

QIcon ProgramIcon();

} // namespace vornia
