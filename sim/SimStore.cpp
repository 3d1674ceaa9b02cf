#include "SimStore.h"

void SimStore::Clear() {
    entries_.clear();
    columns_.clear();
    hooks_.clear();
}

const SimEntry* SimStore::Find(const SimOid& name) const {
    const auto it = entries_.find(name);
    return it == entries_.end() ? nullptr : &it->second;
}

SimEntry* SimStore::Find(const SimOid& name) {
    const auto it = entries_.find(name);
    return it == entries_.end() ? nullptr : &it->second;
}

const SimStore::Entries::value_type* SimStore::Next(const SimOid& name, const SimOid& root) const {
    // Everything below root sorts after root itself, so a name before the root starts there.
    const auto it = name < root ? entries_.lower_bound(root) : entries_.upper_bound(name);
    if (it == entries_.end() || !StartsWith(it->first, root))
        return nullptr;
    return &*it;
}

bool SimStore::HasBelow(const SimOid& prefix) const {
    const auto entry = entries_.lower_bound(prefix);
    if (entry != entries_.end() && StartsWith(entry->first, prefix))
        return true;
    const auto column = columns_.lower_bound(prefix);
    return column != columns_.end() && StartsWith(column->first, prefix);
}

void SimStore::Put(const SimOid& name, SimEntry entry) {
    entries_.insert_or_assign(name, std::move(entry));
}

void SimStore::Erase(const SimOid& name) {
    entries_.erase(name);
}

void SimStore::DeclareColumn(const SimOid& column, SimColumn definition) {
    columns_.insert_or_assign(column, std::move(definition));
}

const SimColumn* SimStore::ColumnOf(const SimOid& name, SimOid* column) const {
    // Columns do not nest, so the only candidate is the greatest column not after name.
    auto it = columns_.upper_bound(name);
    if (it == columns_.begin())
        return nullptr;
    --it;
    if (it->first.size() >= name.size() || !StartsWith(name, it->first))
        return nullptr;
    if (column != nullptr)
        *column = it->first;
    return &it->second;
}

std::vector<std::pair<SimOid, const SimColumn*>> SimStore::ColumnsOf(const SimOid& entry) const {
    std::vector<std::pair<SimOid, const SimColumn*>> result;
    for (auto it = columns_.lower_bound(entry);
         it != columns_.end() && StartsWith(it->first, entry); ++it) {
        if (it->first.size() == entry.size() + 1)
            result.emplace_back(it->first, &it->second);
    }
    return result;
}

void SimStore::OnCommit(const SimOid& prefix, Hook hook) {
    hooks_.insert_or_assign(prefix, std::move(hook));
}

const SimStore::Hook* SimStore::CommitHook(const SimOid& name) const {
    // Hooks are few and their prefixes do not nest: the candidate is the greatest one not
    // after name.
    auto it = hooks_.upper_bound(name);
    if (it == hooks_.begin())
        return nullptr;
    --it;
    return StartsWith(name, it->first) ? &it->second : nullptr;
}
