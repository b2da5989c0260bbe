// The line list LstBearings: a list view over the core's entry list.
#pragma once

#include <optional>

#include "boundary/entry_list.h"
#include "shell/window/entry_list_model.h"
#include "shell/window/uniform_row_view.h"

namespace tw {

// The selection is applied when a command ends (ApplySelection), so a walk
// through 100,000 entries costs one selection in the widget, not 100,000.
class BearingList : public UniformRowView, public EntryListView {
  Q_OBJECT

 public:
  explicit BearingList(QWidget* parent = nullptr);

  void Appended(const EntryList& list) override;
  void RemovedLast() override;
  void Replaced(const EntryList& list) override;
  void ReplacedAt(const EntryList& list, size_t index) override;
  void SelectionChanged(std::optional<size_t> index) override;

  void ApplySelection();

 signals:
  // The list lost the focus to another control of the window: its Validate.
  void validate();

 protected:
  void focusOutEvent(QFocusEvent* event) override;

 private:
  EntryListModel* rows_;  // owned as a child, so it outlives the view
  std::optional<size_t> selection_;
  bool selection_pending_ = false;
};

}  // namespace tw
