// LayerPanel: the dock beside the map listing its layers with a switch each and, under each
// layer, the legend of its colours. A layer without data is listed greyed.
#pragma once

#include <QDockWidget>
#include <functional>

#include "MapLayerSet.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace skyrig::gui {

class LayerPanel : public QDockWidget {
  Q_OBJECT

 public:
  explicit LayerPanel(QWidget* parent = nullptr);

  // The user switched a layer on or off.
  std::function<void(MapLayer, bool)> onSwitch;

  // Shows the switches and the legends of the project as it is now.
  void refresh(const AppContext& app, const LayerSwitches& switches);

  QTreeWidgetItem* item(MapLayer layer) const;
  QTreeWidget* tree() const { return tree_; }

 private:
  QTreeWidget* tree_ = nullptr;
  bool refreshing_ = false;
};

}  // namespace skyrig::gui
