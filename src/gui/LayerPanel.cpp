#include "LayerPanel.h"

#include <QHeaderView>
#include <QPainter>
#include <QTreeWidget>

#include "MapLegend.h"

namespace skyrig::gui {

namespace {

constexpr int kLayerRole = Qt::UserRole + 1;
const QSize kSwatch(28, 14);

QColor toColor(Rgb c) { return QColor(c.red, c.green, c.blue); }

QIcon swatch(const LegendEntry& entry) {
  QPixmap pixmap(kSwatch);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  if (entry.line) {
    painter.setPen(QPen(toColor(entry.colours.front()), 3));
    painter.drawLine(2, kSwatch.height() / 2, kSwatch.width() - 3, kSwatch.height() / 2);
    return QIcon(pixmap);
  }
  const int stripes = static_cast<int>(entry.colours.size());
  const int inner = kSwatch.width() - 2;
  for (int i = 0; i < stripes; ++i) {
    const int left = 1 + inner * i / stripes;
    const int right = 1 + inner * (i + 1) / stripes;
    painter.fillRect(QRect(left, 1, right - left, kSwatch.height() - 2), toColor(entry.colours[i]));
  }
  painter.setPen(QColor(120, 120, 120));
  painter.drawRect(QRect(0, 0, kSwatch.width() - 1, kSwatch.height() - 1));
  return QIcon(pixmap);
}

}  // namespace

LayerPanel::LayerPanel(QWidget* parent) : QDockWidget(QStringLiteral("Layers"), parent) {
  setObjectName(QStringLiteral("Layers"));
  tree_ = new QTreeWidget(this);
  tree_->setHeaderHidden(true);
  tree_->setRootIsDecorated(true);
  tree_->setIconSize(kSwatch);
  tree_->setSelectionMode(QAbstractItemView::NoSelection);
  tree_->setFocusPolicy(Qt::NoFocus);
  for (const MapLayerInfo& info : mapLayers()) {
    auto* item = new QTreeWidgetItem(tree_, {QString::fromUtf8(info.name)});
    item->setToolTip(0, QString::fromUtf8(info.tip));
    item->setData(0, kLayerRole, static_cast<int>(info.layer));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    item->setCheckState(0, Qt::Unchecked);
  }
  connect(tree_, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int) {
    if (refreshing_ || item->parent() != nullptr || !onSwitch) return;
    onSwitch(static_cast<MapLayer>(item->data(0, kLayerRole).toInt()),
             item->checkState(0) == Qt::Checked);
  });
  setWidget(tree_);
}

QTreeWidgetItem* LayerPanel::item(MapLayer layer) const {
  return tree_->topLevelItem(static_cast<int>(layer));
}

void LayerPanel::refresh(const AppContext& app, const LayerSwitches& switches) {
  refreshing_ = true;
  for (const MapLayerInfo& info : mapLayers()) {
    QTreeWidgetItem* layerItem = item(info.layer);
    const bool hasData = layerHasData(app, info.layer);
    layerItem->setCheckState(0, switches.on(info.layer) ? Qt::Checked : Qt::Unchecked);
    layerItem->setDisabled(!hasData);
    const bool wasExpanded = layerItem->isExpanded() || layerItem->childCount() == 0;
    qDeleteAll(layerItem->takeChildren());
    if (!hasData) continue;
    for (const LegendEntry& entry : layerLegend(app, info.layer)) {
      auto* child = new QTreeWidgetItem(layerItem, {QString::fromStdString(entry.text)});
      child->setIcon(0, swatch(entry));
      child->setFlags(Qt::ItemIsEnabled);
    }
    layerItem->setExpanded(wasExpanded && switches.on(info.layer));
  }
  refreshing_ = false;
}

}  // namespace skyrig::gui
