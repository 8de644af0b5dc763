// Binds the document operations (layers, landing and cable road files) to the command table.
#include "app/CommandTable.h"
#include "document/CSkyrigDoc.h"
#include "view/CSkyrigView.h"

namespace skyrig {

void bindDocumentCommands(CommandTable& table) {
  // File New / Open of the (empty) project file run the view's initial update only.
  table.bind("FileNew", [](AppContext& app) { initialUpdate(app.doc, app.view); });
  table.bind("FileOpen", [](AppContext& app) { initialUpdate(app.doc, app.view); });
}

}  // namespace skyrig
