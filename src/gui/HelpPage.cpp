#include "HelpPage.h"

#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/CommandTable.h"

namespace skyrig::gui {

namespace {

const char* kCourseOfWork = R"(
<h2>Skyrig</h2>
<p>Skyrig plans cable (skyline) logging and forest road transport on a terrain model.</p>
<h3>The usual course of work</h3>
<ol>
<li>File &gt; <b>Workspace and Paths...</b>: choose the workspace folder and the input files.</li>
<li>File &gt; <b>Open DTM</b>, then Open Volume, Open Streams, Open Roads and
    Input Data &gt; Harvest Unit Boundary &gt; By file (or draw the boundary By mouse:
    click the corners, double-click to close).</li>
<li>Layers &gt; DEM &gt; <b>Show DEM</b> to see the map.</li>
<li>Input Data &gt; <b>Cable System</b>, Operation Data, Road Costs, Landing Costs: the planning
    parameters.</li>
<li>Landings &gt; <b>Place a landing location</b>, then click a cell (or drag a rectangle to let
    the program choose the best cell in it); or open a landing file.</li>
<li>Cableways &gt; <b>Generate</b>, then Analyses &gt; <b>Cableways</b>. Click the end of a cable
    road to check its profile.</li>
<li>Network &gt; Roads &gt; <b>Timber Exits</b>: click the cell where the logs leave the area.</li>
<li>Network &gt; <b>Optimizing</b> or <b>Optimizing all at once</b>, then the Results commands; Network &gt; <b>Improve Plan</b> finds a cheaper plan than Optimizing and a lower bound on every plan's cost.</li>
</ol>
<p>Inputs are read from the stored paths and outputs are written under the workspace folder;
the project file (.skr) stores nothing.</p>
)";

QString escaped(const std::string& text) { return QString::fromStdString(text).toHtmlEscaped(); }

}  // namespace

QString helpPageHtml() {
  QString html = QString::fromUtf8(kCourseOfWork);
  html += QStringLiteral("<h3>Commands</h3><table cellspacing=\"4\">");
  for (const Command& command : CommandTable::instance().commands()) {
    if (command.menu.empty()) continue;
    const char* state = command.kind == CommandKind::NoEffect ? "does nothing"
                        : command.available()                   ? ""
                                                                : "not available";
    html += QStringLiteral("<tr><td>%1</td><td><i>%2</i></td></tr>")
                .arg(escaped(command.displayPath()), QString::fromLatin1(state));
  }
  html += QStringLiteral("</table>");
  return html;
}

HelpPage::HelpPage(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Skyrig Help"));
  auto* browser = new QTextBrowser(this);
  browser->setHtml(helpPageHtml());
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(browser);
  layout->addWidget(buttons);
  resize(640, 600);
}

}  // namespace skyrig::gui
