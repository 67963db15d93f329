#include "app/language_files.h"
#include "app/program.h"
#include "platform/quillan_application.h"

int main(int argc, char *argv[])
{
    QuillanApplication app(argc, argv);

    Program program(programDirectory(), QApplication::arguments().mid(1));
    if (!program.start())
        return 0;
    return program.exec();
}
