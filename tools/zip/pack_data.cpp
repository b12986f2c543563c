#include "zip/ZipWriter.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

// pack_data <folder> <out.zip> --password <pw> [--traditional]
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList positional;
    QString password;
    bool havePassword = false;
    ZipEncryption encryption = ZipEncryption::Aes256;
    const QStringList arguments = app.arguments().mid(1);
    bool usable = true;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--password") && i + 1 < arguments.size()) {
            password = arguments[++i];
            havePassword = true;
        } else if (argument == QLatin1String("--traditional")) {
            encryption = ZipEncryption::Traditional;
        } else if (argument.startsWith(QLatin1String("--"))) {
            usable = false;
        } else {
            positional.append(argument);
        }
    }
    QTextStream err(stderr);
    if (!usable || positional.size() != 2 || !havePassword || password.isEmpty()) {
        err << "usage: pack_data <folder> <out.zip> --password <pw> [--traditional]\n";
        return 2;
    }
    QString error;
    if (!PackFolder(positional[0], positional[1], password, encryption, &error)) {
        err << "pack_data: " << error << "\n";
        return 1;
    }
    return 0;
}
