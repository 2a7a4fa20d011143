// Putting the calculation window back as it was when an action is abandoned.
#include <exception>

#include "ui/Vstup1.h"

Tvstup::Snapshot::Snapshot(Tvstup& w, bool withResultPanel)
    : w_(w),
      controls_(w.SaveControls(withResultPanel ? std::vector<const forms::Control*>{}
                                               : std::vector<const forms::Control*>{&w.Memo1})),
      comp_(w.spare_ ? std::move(w.spare_) : std::make_unique<Computation>()),
      graph_(w.graph_.SaveState()),
      drgDialogName_(w.drgDialogName_) {
  *comp_ = *w.comp_;
}

Tvstup::Snapshot::~Snapshot() {
  if (comp_ && !w_.spare_) w_.spare_ = std::move(comp_);
}

void Tvstup::Snapshot::Restore() {
  if (restored_) return;
  restored_ = true;
  std::swap(*w_.comp_, *comp_);
  w_.graph_.RestoreState(graph_);
  w_.drgDialogName_ = drgDialogName_;
  controls_();
}

Tvstup::ActionRollback::ActionRollback(Tvstup& w, std::initializer_list<forms::Window*> others)
    : w_(w), exceptions_(std::uncaught_exceptions()) {
  if (w_.actionDepth_++ == 0) saved_ = std::make_unique<Snapshot>(w_, false);
  for (forms::Window* other : others) others_.push_back(other->SaveControls());
}

Tvstup::ActionRollback::~ActionRollback() {
  --w_.actionDepth_;
  if (std::uncaught_exceptions() <= exceptions_) return;
  if (saved_) saved_->Restore();
  for (const auto& restore : others_) restore();
}
