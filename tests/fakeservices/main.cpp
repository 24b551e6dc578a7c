// Runs the fake online services on a loopback port (the first argument, or any
// free port) until it is killed, for trying the program against them by hand.
// Prints the port on the first line of standard output.
#include "FakeServices.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    FakeServices services;
    if (!services.start(quint16(app.arguments().value(1).toUInt()))) {
        QTextStream(stderr) << "cannot listen on 127.0.0.1\n";
        return 1;
    }
    QTextStream(stdout) << services.port() << "\nauth " << services.authBaseUrl().toString() << " realm "
                        << services.realm() << "\naccount " << services.accountApiUrl().toString() << "\nsync "
                        << services.syncApiUrl().toString() << Qt::endl;
    return app.exec();
}
