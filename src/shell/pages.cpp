#include "shell/pages.h"

QString pageCode(int index)
{
    static const char *const codes[PageCount] = {"T001", "T051", "T052", "T053", "T054", "T055",
                                                 "T056", "T057", "T058", "T059", "T003"};
    if (index < 0 || index >= PageCount)
        return {};
    return QString::fromLatin1(codes[index]);
}
