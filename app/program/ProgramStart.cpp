#include "app/program/ProgramStart.h"

#include "store/NativePath.h"

#include <QtGlobal>

namespace {

QtMessageHandler formerHandler = nullptr;

void DropRuntimeFolderWarning(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    formerHandler(type, context, message);
}

} // namespace

QStringList NativeArguments(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(PathFromNative(QByteArray(argv[i])));
    return arguments;
}

void QuietenRuntimeFolderWarning() {
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && formerHandler == nullptr)
        formerHandler = qInstallMessageHandler(DropRuntimeFolderWarning);
}
