#include "platform/language_files.h"

#include "platform/code_page.h"
#include "platform/ini_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString programDirectory()
{
    return languageDirectory(QCoreApplication::applicationDirPath() + QLatin1Char('/'));
}

QString languageDirectory(const QString &executableDir)
{
    if (!findLanguageFiles(executableDir).isEmpty())
        return executableDir;
    const QString installed =
        QDir::cleanPath(executableDir + QStringLiteral("../share/quillan2")) + QLatin1Char('/');
    if (!findLanguageFiles(installed).isEmpty())
        return installed;
    return executableDir;  // none anywhere: the dialog says so, with an empty list
}

QString withForwardSlashes(QString path)
{
    return path.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

QStringList findLanguageFiles(const QString &dir)
{
    QDir d(dir);
    return d.entryList({QStringLiteral("QL2*.ini")},
                       QDir::Files,
                       QDir::Name | QDir::IgnoreCase);
}

QString languageDisplayName(const QString &path)
{
    const IniFile ini(path, ReadLimit::LanguageFile);
    const CodePage cp = CodePage::forCharset(ini.readInteger("LANGUAGE", "Charset", 1));
    return cp.decode(ini.readString("LANGUAGE", "Name", ""));
}

std::optional<QString> languageFileProblem(const QString &path)
{
    const IniFile ini(path, ReadLimit::LanguageFile);
    const ReadStatus status = ini.readStatus();
    if (status == ReadStatus::Missing)
        return std::nullopt;
    if (status != ReadStatus::Ok)
        return unableToReadMessage(path);
    for (const QByteArray &section : ini.sections()) {
        if (section.compare("LANGUAGE", Qt::CaseInsensitive) == 0)
            return std::nullopt;
    }
    return QStringLiteral("%1 is not a language file of Quillan 2: it has no [LANGUAGE] section.")
        .arg(path);
}

QString derivedInfoPath(const QString &languageFile, const QString &programDir)
{
    const QString name = QFileInfo(withForwardSlashes(languageFile)).fileName();
    const QString rest = name.size() >= 8 ? name.mid(3, name.size() - 7) : QString();
    return programDir + QStringLiteral("Info") + rest + QLatin1Char('/');
}
