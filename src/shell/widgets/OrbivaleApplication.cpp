#include "shell/widgets/OrbivaleApplication.h"

#include <exception>

#include "core/Prompter.h"

OrbivaleApplication::OrbivaleApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Orbivale"));
    setOrganizationName(QStringLiteral("Tarnwick"));
}

bool OrbivaleApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const SilentAbort&) {
        return true;
    } catch (const std::exception& e) {
        ShowErrorText(QString::fromUtf8(e.what()));
        return true;
    }
}
