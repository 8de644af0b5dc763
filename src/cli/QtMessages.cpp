#include "QtMessages.h"

#ifdef SKYRIG_HAVE_PNG
#include <QString>
#include <QtGlobal>
#include <cstdio>
#endif

namespace skyrig::cli {

#ifdef SKYRIG_HAVE_PNG

namespace {

bool showQtMessages = false;

void handleQtMessage(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type == QtFatalMsg || showQtMessages)
    std::fprintf(stderr, "qt: %s\n", text.toLocal8Bit().constData());
}

}  // namespace

void routeQtMessages(bool verbose) {
  showQtMessages = verbose;
  qInstallMessageHandler(handleQtMessage);
}

#else

void routeQtMessages(bool) {}

#endif

}  // namespace skyrig::cli
