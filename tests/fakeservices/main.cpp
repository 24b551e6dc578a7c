// Runs the fake online services on a loopback port until it is killed, for
// trying the program or a script against them by hand. Prints the port on the
// first line of standard output.
#include "FakeServices.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Fake online services on 127.0.0.1 for tests."));
    parser.addHelpOption();
    const QCommandLineOption portOption(QStringLiteral("port"),
                                        QStringLiteral("Port to listen on (default: any free port)."),
                                        QStringLiteral("port"), QStringLiteral("0"));
    parser.addOption(portOption);
    parser.process(app);

    bool portOk = false;
    const uint port = parser.value(portOption).toUInt(&portOk);
    if (!portOk || port > 65535) {
        QTextStream(stderr) << "invalid port: " << parser.value(portOption) << '\n';
        return 2;
    }

    FakeServices services;
    if (!services.start(quint16(port))) {
        QTextStream(stderr) << "cannot listen on 127.0.0.1:" << port << '\n';
        return 1;
    }
    QTextStream out(stdout);
    out << services.port() << '\n';
    out << "auth " << services.authBaseUrl().toString() << " realm " << services.realm() << '\n';
    out << "account " << services.accountApiUrl().toString() << '\n';
    out << "sync " << services.syncApiUrl().toString() << '\n';
    out << "sign-in page " << services.loginPageUrl().toString() << '\n';
    out.flush();
    return app.exec();
}
