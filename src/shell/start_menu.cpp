#include "shell/start_menu.h"

#include "platform/desktop_words.h"

int startMenuRowTop(int row)
{
    return row == 7 ? 193 : 3 + (row - 1) * 30;
}

int startMenuRow(int y)
{
    if (y >= 3 && y <= 182)
        return (y - 3) / 30 + 1;
    if (y >= 193 && y <= 222)
        return 7;
    return -1;
}

StartMenuStep startMenuKey(int row, int key, QChar letter, QStringView letters)
{
    using A = StartMenuStep::Action;
    const bool none = row < 1 || row > StartMenuRows;
    switch (key) {
    case Qt::Key_Down:
        return {A::Highlight, none || row == StartMenuRows ? 1 : row + 1};
    case Qt::Key_Up:
        return {A::Highlight, none || row == 1 ? StartMenuRows : row - 1};
    case Qt::Key_Home:
        return {A::Highlight, 1};
    case Qt::Key_End:
        return {A::Highlight, StartMenuRows};
    case Qt::Key_Right:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return none ? StartMenuStep{} : StartMenuStep{A::Open, row};
    case Qt::Key_Left:
    case Qt::Key_Escape:
        return {A::Close, 0};
    default:
        break;
    }
    if (!letter.isNull()) {
        const qsizetype at = letters.indexOf(letter, 0, Qt::CaseInsensitive);
        if (at >= 0 && at < StartMenuRows)
            return {A::Open, int(at) + 1};
    }
    return {};
}

QString startMenuAccessLetters(const QStringList &captions)
{
    QString letters;
    for (const QString &caption : captions)
        letters += accessLetter(caption);
    return letters;
}
