#include "app/language_files.h"
#include "app/program.h"
#include "platform/period_look.h"
#include "platform/quillan_application.h"

int main(int argc, char *argv[])
{
    QuillanApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillan 2"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quillan 2"));
    applyPeriodLook(app);

    Program program(programDirectory(), QApplication::arguments().mid(1));
    if (!program.start())
        return 0;
    return program.exec();
}
