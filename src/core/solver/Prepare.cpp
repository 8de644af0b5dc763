#include "solver/Prepare.h"

#include <algorithm>
#include <string>

#include "document/CSkyrigDoc.h"
#include "document/NetworkTables.h"
#include "document/SolverTables.h"
#include "seams/Ui.h"
#include "solver/GapSort.h"

namespace skyrig {

namespace {

struct LinkKey {
  std::int32_t rank;  // node number of the from-node name
  std::int32_t link;
};

struct SaleKey {
  std::int16_t period;
  float volume;
  std::int32_t sale;
};

// Sorts the links by from-node name and numbers the from-nodes 1..F in that order.
void sortLinks(LinkTable& links, SolverTables& solver) {
  const std::int32_t n = links.count();
  const auto size = static_cast<std::size_t>(n) + 1;
  std::vector<NodeName>& names = solver.nodeNames;
  names.assign(2 * size + 1, NodeName{});
  solver.nodeIndex.reset(2 * size);

  // Distinct from-names, numbered provisionally in order of appearance.
  std::vector<std::int32_t> provisional(size);
  std::int32_t distinct = 0;
  for (std::int32_t i = 1; i <= n; ++i) {
    const NodeName& from = links[i].from;
    std::int32_t id = solver.nodeIndex.find(from, names);
    if (id == 0) {
      id = ++distinct;
      names[static_cast<std::size_t>(id)] = from;
      solver.nodeIndex.insert(from, id);
    }
    provisional[static_cast<std::size_t>(i)] = id;
  }

  // Rank of each distinct name in C-string order; equal names share their rank, so the gap
  // sort below compares integers with the same outcome as comparing the names.
  std::vector<std::int32_t> byName(static_cast<std::size_t>(distinct));
  for (std::int32_t id = 1; id <= distinct; ++id) byName[static_cast<std::size_t>(id - 1)] = id;
  std::sort(byName.begin(), byName.end(), [&](std::int32_t a, std::int32_t b) {
    return compareNodeNames(names[static_cast<std::size_t>(a)],
                            names[static_cast<std::size_t>(b)]) < 0;
  });
  std::vector<std::int32_t> rankOf(static_cast<std::size_t>(distinct) + 1);
  for (std::int32_t r = 1; r <= distinct; ++r)
    rankOf[static_cast<std::size_t>(byName[static_cast<std::size_t>(r - 1)])] = r;

  std::vector<LinkKey> keys(size);
  for (std::int32_t i = 1; i <= n; ++i)
    keys[static_cast<std::size_t>(i)] = {
        rankOf[static_cast<std::size_t>(provisional[static_cast<std::size_t>(i)])], i};
  std::vector<LinkKey> chain;
  chain.reserve(size);
  gapSort(keys, 1, static_cast<std::size_t>(n),
          [](const LinkKey& a, const LinkKey& b) { return a.rank > b.rank; }, chain);

  std::vector<std::int32_t> order(size);
  for (std::int32_t k = 1; k <= n; ++k)
    order[static_cast<std::size_t>(k)] = keys[static_cast<std::size_t>(k)].link;
  std::vector<LinkRecord> recordScratch;
  std::vector<LinkAttributes> attributeScratch;
  links.permute(order, recordScratch, attributeScratch);

  // From-node k is the k-th distinct name in order.
  const std::vector<NodeName> provisionalNames(names.begin(), names.begin() + distinct + 1);
  solver.nodeIndex.reset(2 * size);
  for (std::int32_t id = 1; id <= distinct; ++id) {
    const std::int32_t node = rankOf[static_cast<std::size_t>(id)];
    names[static_cast<std::size_t>(node)] = provisionalNames[static_cast<std::size_t>(id)];
    solver.nodeIndex.insert(provisionalNames[static_cast<std::size_t>(id)], node);
  }
  solver.linkFrom.assign(size, 0);
  for (std::int32_t k = 1; k <= n; ++k)
    solver.linkFrom[static_cast<std::size_t>(k)] = keys[static_cast<std::size_t>(k)].rank;
  solver.nodeCount = distinct;
}

// Nodes met only as to-nodes follow the from-nodes in order of first occurrence.
void numberToNodes(const LinkTable& links, SolverTables& solver) {
  const std::int32_t n = links.count();
  solver.linkTo.assign(static_cast<std::size_t>(n) + 1, 0);
  for (std::int32_t k = 1; k <= n; ++k) {
    const NodeName& to = links[k].to;
    std::int32_t node = solver.nodeIndex.find(to, solver.nodeNames);
    if (node == 0) {
      node = ++solver.nodeCount;
      solver.nodeNames[static_cast<std::size_t>(node)] = to;
      solver.nodeIndex.insert(to, node);
    }
    solver.linkTo[static_cast<std::size_t>(k)] = node;
  }
  solver.nodeNames.resize(static_cast<std::size_t>(solver.nodeCount) + 1);

  solver.firstOutgoingLink.assign(static_cast<std::size_t>(solver.nodeCount) + 1, 0);
  for (std::int32_t k = 1; k <= n; ++k) {
    const std::int32_t from = solver.linkFrom[static_cast<std::size_t>(k)];
    if (k == 1 || from != solver.linkFrom[static_cast<std::size_t>(k - 1)])
      solver.firstOutgoingLink[static_cast<std::size_t>(from)] = k;
  }
  solver.linkIndex.build(solver.linkFrom, solver.linkTo, n);
  solver.firstCopy.assign(static_cast<std::size_t>(n) + 1, 0);
  for (std::int32_t k = 1; k <= n; ++k)
    solver.firstCopy[static_cast<std::size_t>(k)] =
        solver.linkIndex.find(solver.linkFrom[static_cast<std::size_t>(k)],
                              solver.linkTo[static_cast<std::size_t>(k)]);
}

// Period ascending, then within each run of equal period volume descending.
void sortSales(SaleTable& sales) {
  const std::int32_t m = sales.count();
  const auto size = static_cast<std::size_t>(m) + 1;
  std::vector<SaleKey> keys(size);
  for (std::int32_t i = 1; i <= m; ++i)
    keys[static_cast<std::size_t>(i)] = {sales[i].period, sales[i].volume, i};
  std::vector<SaleKey> chain;
  chain.reserve(size);
  gapSort(keys, 1, static_cast<std::size_t>(m),
          [](const SaleKey& a, const SaleKey& b) { return a.period > b.period; }, chain);
  for (std::size_t s = 1; s <= static_cast<std::size_t>(m);) {
    std::size_t e = s;
    while (e + 1 <= static_cast<std::size_t>(m) && keys[e + 1].period == keys[s].period) ++e;
    if (e > s)
      gapSort(keys, s, e - s + 1,
              [](const SaleKey& a, const SaleKey& b) { return a.volume < b.volume; }, chain);
    s = e + 1;
  }
  std::vector<SaleRecord> before(size);
  for (std::int32_t i = 1; i <= m; ++i) before[static_cast<std::size_t>(i)] = sales[i];
  for (std::int32_t k = 1; k <= m; ++k)
    sales[k] = before[static_cast<std::size_t>(keys[static_cast<std::size_t>(k)].sale)];
}

void lookUpSales(const SaleTable& sales, SolverTables& solver, Ui& ui) {
  const std::int32_t m = sales.count();
  solver.saleEntry.assign(static_cast<std::size_t>(m) + 1, 0);
  solver.saleDestination.assign(static_cast<std::size_t>(m) + 1, 0);
  for (std::int32_t i = 1; i <= m; ++i) {
    const SaleRecord& sale = sales[i];
    const std::int32_t entry = solver.nodeIndex.find(sale.entry, solver.nodeNames);
    solver.saleEntry[static_cast<std::size_t>(i)] = entry;
    if (entry == 0)
      ui.message("Entry node, " + std::string(sale.entry.view()) + ", is not in the Link file",
                 MessageIcon::Exclamation);
    const std::int32_t destination = solver.nodeIndex.find(sale.destination, solver.nodeNames);
    solver.saleDestination[static_cast<std::size_t>(i)] = destination;
    if (destination == 0)
      ui.message("Destination node, " + std::string(sale.destination.view()) +
                     ", is not in the Link file",
                 MessageIcon::Exclamation);
  }
}

}  // namespace

void prepare(NetworkTables& network, SolverTables& solver, Ui& ui) {
  sortLinks(network.links, solver);
  numberToNodes(network.links, solver);
  // The path file readers rebuild flows in this array after their own Prepare.
  solver.linkFlow.resize(static_cast<std::size_t>(network.links.count()) + 1, 0.0f);
  if (network.sales.count() == 0)
    ui.message("No sale data are available. Please check your sale file.", MessageIcon::Stop);
  sortSales(network.sales);
  lookUpSales(network.sales, solver, ui);
}

void prepare(CSkyrigDoc& doc, Ui& ui) { prepare(doc.network, doc.solver, ui); }

std::int32_t findLink(const SolverTables& solver, std::int32_t from, std::int32_t to) {
  return solver.linkIndex.find(from, to);
}

}  // namespace skyrig
