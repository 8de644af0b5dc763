#include "CMainFrame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QDropEvent>
#include <QFileDialog>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QStatusBar>
#include <QTextDocument>
#include <QToolBar>
#include <set>

#include "AboutBox.h"
#include "CSkyrigApp.h"
#include "DocumentType.h"
#include "HelpPage.h"
#include "LayerPanel.h"
#include "MapPrinting.h"
#include "MapWidget.h"
#include "PathsDialog.h"
#include "SheetExport.h"
#include "ToolIcons.h"
#include "app/CommandTable.h"

namespace skyrig::gui {

namespace {

// Menu entries that open a new group of their menu.
const std::set<std::string, std::less<>> kSeparatorBefore = {
    "FileOpenDtm", "FilePrint", "FileRecentFile", "FileExit", "ViewDrawDtm"};

// Further accelerators of the Edit commands, as the platform's conventions have them.
QList<QKeySequence> extraShortcuts(std::string_view id) {
  if (id == "EditUndo") return {QKeySequence(QStringLiteral("Alt+Backspace"))};
  if (id == "EditCut") return {QKeySequence(QStringLiteral("Shift+Del"))};
  if (id == "EditCopy") return {QKeySequence(QStringLiteral("Ctrl+Ins"))};
  if (id == "EditPaste") return {QKeySequence(QStringLiteral("Shift+Ins"))};
  return {};
}

}  // namespace

CMainFrame::CMainFrame(CSkyrigApp& app) : app_(app), printer_(std::make_unique<QPrinter>()) {
  setWindowIcon(applicationIcon());
  map_ = new MapWidget(app_.canvas(), this);
  map_->onMouse = [this](MouseAction action, int x, int y) { app_.mouse(action, x, y); };
  map_->onWheel = [this](int steps) { app_.runCommand(steps > 0 ? "ZoomIn" : "ZoomOut"); };
  map_->onEscape = [this] { app_.leaveMouseMode(); };
  setCentralWidget(map_);
  createMenus();
  createProjectActions();
  createToolBar();
  createStatusBar();
  createSummaryPanel();
  createLayerPanels();
  createViewActions();
  setAcceptDrops(true);
  qApp->installEventFilter(this);
  resize(1100, 800);
  documentChanged();
}

CMainFrame::~CMainFrame() { qApp->removeEventFilter(this); }

QMenu* CMainFrame::menuFor(const std::string& menuPath) {
  QString path;
  QMenu* parent = nullptr;
  for (const QString& level : QString::fromStdString(menuPath).split(QLatin1Char('>'))) {
    path += (path.isEmpty() ? QString() : QStringLiteral(">")) + QString(level).remove(QLatin1Char('&'));
    auto found = menus_.find(path);
    if (found != menus_.end()) {
      parent = found->second;
      continue;
    }
    QMenu* created = parent ? parent->addMenu(level) : menuBar()->addMenu(level);
    menus_[path] = created;
    parent = created;
  }
  return parent;
}

void CMainFrame::createMenus() {
  for (const Command& command : CommandTable::instance().commands()) {
    auto* act = new QAction(QString::fromStdString(command.text), this);
    act->setObjectName(QString::fromStdString(command.id));
    QList<QKeySequence> keys;
    if (!command.accelerator.empty())
      keys << QKeySequence(QString::fromStdString(command.accelerator));
    keys << extraShortcuts(command.id);
    act->setShortcuts(keys);
    act->setEnabled(command.available());
    act->setStatusTip(QString::fromStdString(command.displayPath()));
    act->setIcon(toolIcon(command.id));
    act->setIconVisibleInMenu(false);
    const std::string id = command.id;
    connect(act, &QAction::triggered, this, [this, id] { commandChosen(id); });
    actions_[command.id] = act;
    addAction(act);  // accelerators work while the tool bar is hidden too
    if (command.menu.empty()) continue;

    QMenu* menu = menuFor(command.menu);
    if (command.id == "FilePrint") {
      menu->addSeparator();
      pathsAction_ = menu->addAction(QStringLiteral("&Workspace and Paths..."), this,
                                     &CMainFrame::editPaths);
      pathsAction_->setStatusTip(
          QStringLiteral("See and change the workspace folder and the stored input paths"));
    }
    if (kSeparatorBefore.count(command.id) > 0) menu->addSeparator();
    menu->addAction(act);
    if (command.id == "FileRecentFile") {
      for (int i = 0; i < RecentFileList::kSize; ++i) {
        auto* recent = menu->addAction(QString());
        recent->setVisible(false);
        connect(recent, &QAction::triggered, this, [this, i] {
          if (!app_.busy() && i < app_.recentFiles().files().size())
            app_.openDocument(app_.recentFiles().files()[i]);
        });
        recentActions_.push_back(recent);
      }
    }
  }
  QAction* toolbar = action("ViewToolbar");
  toolbar->setCheckable(true);
  toolbar->setChecked(true);
  QAction* status = action("ViewStatusBar");
  status->setCheckable(true);
  status->setChecked(true);
  recentFilesChanged();
}

void CMainFrame::createProjectActions() {
  QMenu* file = menu(QStringLiteral("File"));
  QAction* first = file->actions().value(0);
  auto add = [&](const QString& name, const QString& text, const QString& tip,
                 const QKeySequence& keys, auto slot) {
    auto* act = new QAction(text, this);
    act->setObjectName(name);
    act->setStatusTip(tip);
    act->setShortcut(keys);
    connect(act, &QAction::triggered, this, slot);
    projectActions_[name] = act;
    addAction(act);
    return act;
  };
  file->insertAction(first, add(QStringLiteral("OpenProject"), QStringLiteral("Open &Project..."),
                                QStringLiteral("Open a project folder (skyrig.json) with its layers, "
                                               "landings, parameters and last plan"),
                                QKeySequence(QStringLiteral("Ctrl+Shift+O")),
                                [this] { fileOpenProject(); }));
  file->insertAction(first, add(QStringLiteral("SaveProject"), QStringLiteral("Save Pro&ject"),
                                QStringLiteral("Write the project file (skyrig.json) and the "
                                               "landings file of the open project"),
                                QKeySequence(QStringLiteral("Ctrl+Shift+S")), [this] {
                                  if (app_.projectFolder().isEmpty())
                                    fileSaveProjectAs();
                                  else
                                    app_.saveProject();
                                }));
  file->insertAction(first, add(QStringLiteral("SaveProjectAs"),
                                QStringLiteral("Save Project As..."),
                                QStringLiteral("Save the project into another folder"),
                                QKeySequence(), [this] { fileSaveProjectAs(); }));
  recentProjectsMenu_ = new QMenu(QStringLiteral("Recent Projects"), file);
  for (int i = 0; i < RecentFileList::kSize; ++i) {
    auto* recent = recentProjectsMenu_->addAction(QString());
    connect(recent, &QAction::triggered, this, [this, i] {
      if (!app_.busy() && i < app_.recentProjects().files().size() && maybeSaveProject())
        app_.openProject(app_.recentProjects().files()[i]);
    });
    recentProjectActions_.push_back(recent);
  }
  file->insertMenu(first, recentProjectsMenu_);
  file->insertSeparator(first);

  QMenu* network = menu(QStringLiteral("Network"));
  QAction* plan = add(QStringLiteral("Plan"), QStringLiteral("&Plan"),
                      QStringLiteral("The whole planning job: cable roads, their analysis and the "
                                     "optimized plan, with its summary beside the map"),
                      QKeySequence(QStringLiteral("F5")), [this] {
                        if (!app_.busy()) app_.planProject();
                      });
  network->insertAction(network->actions().value(0), plan);
  network->insertSeparator(network->actions().value(1));
  recentFilesChanged();
}

QAction* CMainFrame::projectAction(const QString& name) const {
  auto found = projectActions_.find(name);
  return found == projectActions_.end() ? nullptr : found->second;
}

void CMainFrame::createSummaryPanel() {
  summaryDock_ = new QDockWidget(QStringLiteral("Plan summary"), this);
  summaryDock_->setObjectName(QStringLiteral("PlanSummary"));
  summaryText_ = new QPlainTextEdit(summaryDock_);
  summaryText_->setReadOnly(true);
  summaryText_->setLineWrapMode(QPlainTextEdit::NoWrap);
  summaryText_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  summaryDock_->setWidget(summaryText_);
  addDockWidget(Qt::RightDockWidgetArea, summaryDock_);
  summaryDock_->hide();
}

void CMainFrame::planSummaryChanged() {
  const QString& text = app_.planSummary();
  summaryText_->setPlainText(text.trimmed());
  if (text.isEmpty()) {
    summaryDock_->hide();
    return;
  }
  const QFontMetrics metrics(summaryText_->font());
  int widest = 0;
  for (const QString& line : text.split(QLatin1Char('\n')))
    widest = std::max(widest, metrics.horizontalAdvance(line));
  summaryText_->setMinimumWidth(widest + 30);
  summaryDock_->show();
}

void CMainFrame::createLayerPanels() {
  layerPanel_ = new LayerPanel(this);
  layerPanel_->onSwitch = [this](MapLayer layer, bool on) { app_.switchLayer(layer, on); };
  addDockWidget(Qt::LeftDockWidgetArea, layerPanel_);

  identifyDock_ = new QDockWidget(QStringLiteral("Cell under the mouse"), this);
  identifyDock_->setObjectName(QStringLiteral("Identify"));
  identifyText_ = new QLabel(identifyDock_);
  identifyText_->setTextFormat(Qt::RichText);
  identifyText_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  identifyText_->setMargin(6);
  identifyText_->setMinimumWidth(230);
  identifyText_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  identifyDock_->setWidget(identifyText_);
  addDockWidget(Qt::LeftDockWidgetArea, identifyDock_);
  showIdentity({});
  layersChanged();
}

void CMainFrame::createViewActions() {
  QMenu* view = menu(QStringLiteral("View"));
  QMenu* zoom = menu(QStringLiteral("Zoom"));
  auto add = [&](const QString& name, const QString& text, const QString& tip,
                 const QKeySequence& keys, auto slot) {
    auto* act = new QAction(text, this);
    act->setObjectName(name);
    act->setStatusTip(tip);
    act->setToolTip(QString(text).remove(QLatin1Char('&')) + QStringLiteral(" (") + tip + QStringLiteral(")"));
    act->setShortcut(keys);
    connect(act, &QAction::triggered, this, slot);
    projectActions_[name] = act;
    addAction(act);
    view->addAction(act);
    if (zoom != nullptr) zoom->addAction(act);
    return act;
  };
  view->addSeparator();
  add(QStringLiteral("FitToWindow"), QStringLiteral("&Fit to Window"),
      QStringLiteral("Zoom so that the whole grid fits the map window"),
      QKeySequence(QStringLiteral("Ctrl+0")), [this] { app_.fitToWindow(); });
  add(QStringLiteral("ZoomToHarvestUnit"), QStringLiteral("Zoom to &Harvest Unit"),
      QStringLiteral("Zoom so that the harvest unit fills the map window"),
      QKeySequence(QStringLiteral("Ctrl+9")), [this] { app_.zoomToHarvestUnit(); });
  view->addSeparator();
  view->addAction(layerPanel_->toggleViewAction());
  view->addAction(identifyDock_->toggleViewAction());
  view->addAction(summaryDock_->toggleViewAction());
  undoChanged();
}

void CMainFrame::layersChanged() {
  if (layerPanel_ != nullptr) layerPanel_->refresh(app_.context(), app_.layerSwitches());
}

void CMainFrame::showIdentity(const std::vector<std::pair<std::string, std::string>>& lines) {
  if (lines.empty()) {
    identifyText_->setText(QStringLiteral("<i>Move the mouse over the grid.</i>"));
    return;
  }
  QString html = QStringLiteral("<table cellspacing=\"2\">");
  for (const auto& [label, value] : lines)
    html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                .arg(QString::fromStdString(label).toHtmlEscaped(),
                     QString::fromStdString(value).toHtmlEscaped());
  identifyText_->setText(html + QStringLiteral("</table>"));
}

QString CMainFrame::identifyText() const {
  QTextDocument document;
  document.setHtml(identifyText_->text());
  return document.toPlainText();
}

void CMainFrame::undoChanged() {
  QAction* undo = action("EditUndo");
  if (undo == nullptr) return;
  const LandingUndo& step = app_.landingUndo();
  undo->setEnabled(step.available());
  undo->setText(step.available() ? QStringLiteral("&Undo %1").arg(QString::fromStdString(step.what))
                                 : QStringLiteral("&Undo"));
}

void CMainFrame::fileSaveProjectAs() {
  if (app_.busy()) return;
  const QString folder = QFileDialog::getExistingDirectory(
      this, QStringLiteral("Save Project As"), app_.projectFolder());
  if (!folder.isEmpty()) app_.saveProject(folder);
}

bool CMainFrame::maybeSaveProject() {
  if (!app_.projectModified()) return true;
  const auto answer = app_.ask(
      QStringLiteral("The project %1 has changes that are not saved. Save them?")
          .arg(QFileInfo(app_.projectFolder()).fileName()),
      QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
  if (answer == QMessageBox::Cancel) return false;
  if (answer == QMessageBox::Save) return app_.saveProject();
  return true;
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (app_.busy() || !maybeSaveProject()) {
    event->ignore();
    return;
  }
  event->accept();
}

void CMainFrame::fileOpenProject() {
  if (!maybeSaveProject()) return;
  const QString folder = QFileDialog::getExistingDirectory(
      this, QStringLiteral("Open Project"), app_.projectFolder());
  if (!folder.isEmpty()) app_.openProject(folder);
}

void CMainFrame::createToolBar() {
  toolBar_ = new QToolBar(QStringLiteral("Standard"), this);
  toolBar_->setObjectName(QStringLiteral("Standard"));
  toolBar_->setMovable(true);
  toolBar_->setFloatable(true);
  toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
  toolBar_->setIconSize(QSize(24, 24));
  for (const std::string& id : CommandTable::instance().toolBar()) {
    if (id.empty()) {
      toolBar_->addSeparator();
      continue;
    }
    QAction* act = action(id);
    if (act == nullptr) continue;
    const Command* command = CommandTable::instance().findById(id);
    if (command != nullptr && !command->text.empty())
      act->setToolTip(QString::fromStdString(command->displayPath()));
    toolBar_->addAction(act);
  }
  addToolBar(Qt::TopToolBarArea, toolBar_);
  connect(action("ViewToolbar"), &QAction::toggled, toolBar_, &QToolBar::setVisible);
  connect(toolBar_, &QToolBar::visibilityChanged, this, [this](bool visible) {
    if (!isHidden()) action("ViewToolbar")->setChecked(visible);
  });
}

void CMainFrame::createStatusBar() {
  message_ = new QLabel(kIdleStatusText, this);
  statusBar()->addWidget(message_, 1);
  for (const QString& name : {QStringLiteral("CAP"), QStringLiteral("NUM"), QStringLiteral("SCRL")}) {
    auto* label = new QLabel(name, this);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("SCRLW")));
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setEnabled(false);  // the lock is off until its key is seen
    statusBar()->addPermanentWidget(label);
    indicators_[name] = label;
  }
  connect(action("ViewStatusBar"), &QAction::toggled, statusBar(), &QStatusBar::setVisible);
}

QAction* CMainFrame::action(std::string_view id) const {
  auto found = actions_.find(id);
  return found == actions_.end() ? nullptr : found->second;
}

QMenu* CMainFrame::menu(const QString& path) const {
  auto found = menus_.find(path);
  return found == menus_.end() ? nullptr : found->second;
}

QLabel* CMainFrame::indicator(const QString& text) const {
  auto found = indicators_.find(text);
  return found == indicators_.end() ? nullptr : found->second;
}

void CMainFrame::showStatus(const QString& text) {
  message_->setText(text.isEmpty() ? kIdleStatusText : text);
}

void CMainFrame::mapChanged() { map_->pictureChanged(); }

void CMainFrame::documentChanged() {
  const QString name = !app_.projectFolder().isEmpty()
                           ? QFileInfo(app_.projectFolder()).fileName() + QStringLiteral(" (") +
                                 QDir::toNativeSeparators(app_.projectFolder()) + QStringLiteral(")")
                       : app_.documentPath().isEmpty() ? kUntitled
                                                       : QFileInfo(app_.documentPath()).fileName();
  setWindowTitle(name + QStringLiteral(" - ") + kApplicationTitle);
  if (summaryDock_ != nullptr) planSummaryChanged();
}

void CMainFrame::recentFilesChanged() {
  if (recentProjectsMenu_ != nullptr) {
    const QStringList& projects = app_.recentProjects().files();
    recentProjectsMenu_->setEnabled(!projects.isEmpty());
    for (int i = 0; i < static_cast<int>(recentProjectActions_.size()); ++i) {
      recentProjectActions_[i]->setVisible(i < projects.size());
      if (i < projects.size()) recentProjectActions_[i]->setText(app_.recentProjects().menuText(i));
    }
  }
  const QStringList& files = app_.recentFiles().files();
  QAction* placeholder = action("FileRecentFile");
  placeholder->setVisible(files.isEmpty());
  placeholder->setEnabled(false);  // shown greyed while the list is empty
  for (int i = 0; i < static_cast<int>(recentActions_.size()); ++i) {
    recentActions_[i]->setVisible(i < files.size());
    if (i < files.size()) recentActions_[i]->setText(app_.recentFiles().menuText(i));
  }
}

void CMainFrame::commandChosen(const std::string& id) {
  if (app_.busy()) return;
  if ((id == "FileNew" || id == "FileOpen") && !maybeSaveProject()) return;
  if (id == "FileNew") app_.newDocument();
  else if (id == "FileOpen") fileOpen();
  else if (id == "FileSave") fileSave();
  else if (id == "FileSaveAs") fileSaveAs();
  else if (id == "FilePrint") filePrint();
  else if (id == "FilePrintPreview") filePrintPreview();
  else if (id == "FilePrintSetup") filePrintSetup();
  else if (id == "FileExit") close();
  else if (id == "ViewToolbar" || id == "ViewStatusBar") return;  // checkable, see toggled
  else if (id == "HelpTopics" || id == "HelpContext") helpTopics();
  else if (id == "HelpAbout") helpAbout();
  else if (id == "EditUndo") app_.undoLandingChange();
  else if (id == "ResultsExportMap") exportMapSheet(this, app_.context());
  else if (id == "CablewaysExportProfileSheet") exportProfileSheet(this, app_.context());
  else app_.runCommand(id);
}

void CMainFrame::fileOpen() {
  const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("Open"), QString(),
                                                    documentType().filter);
  if (!file.isEmpty()) app_.openDocument(file);
}

void CMainFrame::fileSave() {
  if (app_.documentPath().isEmpty())
    fileSaveAs();
  else
    app_.saveDocument(app_.documentPath());
}

void CMainFrame::fileSaveAs() {
  QFileDialog dialog(this, QStringLiteral("Save As"), app_.documentPath(), documentType().filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(documentType().extension.mid(1));
  if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
    app_.saveDocument(dialog.selectedFiles().constFirst());
}

void CMainFrame::filePrint() {
  QPrintDialog dialog(printer_.get(), this);
  if (dialog.exec() == QDialog::Accepted)
    printMap(*printer_, app_.canvas(), app_.doc(), app_.view());
}

void CMainFrame::filePrintPreview() {
  QPrintPreviewDialog preview(printer_.get(), this);
  connect(&preview, &QPrintPreviewDialog::paintRequested, this,
          [this](QPrinter* printer) { printMap(*printer, app_.canvas(), app_.doc(), app_.view()); });
  preview.exec();
}

void CMainFrame::filePrintSetup() {
  QPageSetupDialog dialog(printer_.get(), this);
  dialog.exec();
}

void CMainFrame::editPaths() {
  if (app_.busy()) return;
  PathsDialog dialog(readPathSettings(app_.doc(), app_.view(), app_.paths()), this);
  if (dialog.exec() == QDialog::Accepted) app_.applyWorkspace(dialog.settings());
}

void CMainFrame::helpTopics() {
  HelpPage page(this);
  page.exec();
}

void CMainFrame::helpAbout() {
  AboutBox box(this);
  box.exec();
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const char* name = key->key() == Qt::Key_CapsLock     ? "CAP"
                       : key->key() == Qt::Key_NumLock    ? "NUM"
                       : key->key() == Qt::Key_ScrollLock ? "SCRL"
                                                          : nullptr;
    if (name != nullptr && !key->isAutoRepeat()) {
      QLabel* label = indicator(QString::fromLatin1(name));
      label->setEnabled(!label->isEnabled());
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (urls.isEmpty() || !urls.first().isLocalFile() || app_.busy()) return;
  event->acceptProposedAction();
  const QString dropped = urls.first().toLocalFile();
  if (QFileInfo(dropped).isDir())
    app_.openProject(dropped);
  else
    app_.openDocument(dropped);
}

}  // namespace skyrig::gui
