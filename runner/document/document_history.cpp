#include "runner/document/document_history.h"

#include "runner/window/declaration_ids.h"

DocumentHistory::DocumentHistory(std::vector<std::string>& list) : list_(list) {
    buttons_[0].DataMember = "Previous";
    buttons_[1].DataMember = "Next";
    SetHistoryButton(0, false);
    SetHistoryButton(1, false);
}

void DocumentHistory::SetHistoryButton(int index, bool enabled) {
    HistoryButton& button = buttons_[index != 0];
    const int offset = index != 0 ? 1 : 0;
    button.Enabled = enabled;
    button.Picture = (enabled ? PIC_BACK_ENABLED : PIC_BACK_DISABLED) + offset;
    if (!enabled) button.DataField.clear();
}

std::string DocumentHistory::Entry(int position) const {
    if (position < 1 || position > Count()) return std::string();
    return list_[static_cast<std::size_t>(position - 1)];
}

void DocumentHistory::SetHistoryTarget(int position, HistoryButton& button) const {
    button.DataField = Entry(position);
}

void DocumentHistory::UpdateHistoryTargets() {
    SetHistoryTarget(position_ + 1, buttons_[1]);
    SetHistoryTarget(position_ - 1, buttons_[0]);
}

void DocumentHistory::EnableByPosition() {
    SetHistoryButton(0, position_ > 1);
    SetHistoryButton(1, position_ < Count());
}

bool DocumentHistory::BeforeNavigate(const std::string& target, const std::string& current) {
    if (target == current) {
        mode_ = "1";  // a history step to the shown page is over as well
        return false;
    }
    if (mode_ == "1") {
        list_.push_back(target);
        position_ = Count();
        UpdateHistoryTargets();
        SetHistoryButton(0, true);
        SetHistoryButton(1, false);
    }
    mode_ = "1";
    return ++navigations_ == 2;
}

std::string DocumentHistory::Press(int index, int shift, const std::string& current) {
    const std::string entry = Step(index, shift);
    // Only a step that opens a page marks the next navigation as not to be
    // recorded; a press that opens nothing must not cost the next link its
    // entry. Marked before the page opens: the view announces a navigation
    // while starting it.
    if (!entry.empty() && entry != current) mode_ = "0";
    return entry;
}

std::string DocumentHistory::Step(int index, int shift) {
    if (!buttons_[index != 0].Enabled) return std::string();
    const bool forward = index != 0;
    if (shift == kNoShift) {
        const int wanted = position_ + (forward ? 1 : -1);
        if (wanted <= 0) {
            position_ = 1;
            SetHistoryButton(0, false);
            return std::string();
        }
        if (wanted > Count()) {
            position_ = Count();
            SetHistoryButton(1, false);
            return std::string();
        }
        position_ = wanted;
        UpdateHistoryTargets();
        EnableByPosition();
        return Entry(position_);
    }
    if (shift == kCtrlKey) {
        position_ = forward ? Count() : 1;
        // Both buttons follow the new position, so a jump back to the first
        // entry leaves the way forward open.
        EnableByPosition();
        UpdateHistoryTargets();
        return Entry(position_);
    }
    return std::string();
}

HistoryTip DocumentHistory::Tip(int index) const {
    const HistoryButton& button = Button(index);
    HistoryTip tip;
    tip.Title = button.DataMember;
    tip.Text = button.DataField.empty() ? "No " + button.DataMember : button.DataField;
    return tip;
}
