#include "runner/speech/speech_narration.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "runner/window/declaration_ids.h"
#include "runner/window/setting_numbers.h"
#include "shared/settings_store.h"
#include "shared/text_routines.h"

namespace {

const char kSampleVoice[] = "Sample TTS Voice";

int ClampedWhole(double value, int low, int high) {
    if (!(value >= low)) return low;  // also catches NaN
    if (value > high) return high;
    return static_cast<int>(std::nearbyint(value));
}

// The number of an item as the settings keep it ("5", "2.5", "0").
std::string NumberText(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

}  // namespace

int SpeakerVolumeFromItem(const std::string& item) { return ClampedWhole(NumericValue(item) * 10.0, 0, 100); }

int SpeakRateFromItem(const std::string& item) { return ClampedWhole(NumericValue(item), -10, 10); }

int SpeakerPicture(bool reading, bool pointerOver) {
    if (reading) return pointerOver ? PIC_SPEAKER_SPEAKING : PIC_SPEAKER_HOVER;
    return pointerOver ? PIC_SPEAKER_HOVER : PIC_SPEAKER_NORMAL;
}

SpeechNarration::SpeechNarration(SettingsStore& settings, SettingsStore& userSettings, FormMenu& menu)
    : settings_(settings), userSettings_(userSettings), menu_(menu) {}

bool SpeechNarration::SetSpeaker(std::unique_ptr<SpeechEngine> engine) {
    engine_ = std::move(engine);
    if (!engine_) {
        visible_ = false;
        volumeMarker_ = "0";
        SetSettingItem("Speaker", "No", settings_);
        SetSettingItem("Speaker", "No", userSettings_);
        return false;
    }
    reader_ = std::make_unique<SpeechReader>(*engine_);
    InitSpeaker();
    BuildVoiceMenu();
    return true;
}

void SpeechNarration::InitSpeaker() {
    if (!engine_) return;
    visible_ = !engine_->Voices().empty() && IsYes(GetSettingItem("Speaker", settings_));
    volumeMarker_ = GetSettingItem("Speaker Volume", settings_);
    SetSpeakerVolume(volumeMarker_);
}

void SpeechNarration::BuildVoiceMenu() {
    if (!engine_ || !visible_ || menu_.VoiceMenu.Count() != 1) return;
    const std::vector<std::string> voices = engine_->Voices();
    for (std::size_t i = 0; i < voices.size(); ++i) {
        if (voices[i].empty() || voices[i] == kSampleVoice) continue;
        MenuListItem& item = menu_.VoiceMenu.Ensure(menu_.VoiceMenu.Count() + 1);
        item.Caption = voices[i];
        item.Tag = std::to_string(i);
    }
    std::string chosen = GetSettingItem("Speaker Voice", settings_);
    if (chosen.empty() || chosen == "0") chosen = voices.empty() ? std::string() : voices.front();
    std::string value = chosen + ",";
    for (const std::string& voice : voices) value += voice + ",";
    SetSettingValue("Speaker Voice", value, settings_);
    SetSettingValue("Speaker Voice", value, userSettings_);
    CheckMenuList(menu_.VoiceMenu, chosen, 1);
    const int ticked = menu_.VoiceMenu.FirstChecked();
    if (ticked > 0 && !menu_.VoiceMenu.Item(ticked).Tag.empty())
        engine_->SelectVoice(std::atoi(menu_.VoiceMenu.Item(ticked).Tag.c_str()));
}

void SpeechNarration::SetSpeakerVolume(const std::string& text) {
    const double number = NumericValue(text);
    if (engine_) engine_->SetVolume(SpeakerVolumeFromItem(text));
    SetSettingItem("Speaker Volume", NumberText(number), settings_);
    // A volume chosen later counts for reading as well.
    volumeMarker_ = NumberText(number);
    if (!MayRead() && Reading()) StopSpeaking();
}

bool SpeechNarration::MayRead() const { return engine_ && NumericValue(volumeMarker_) > 0; }

void SpeechNarration::ReadDocument(bool resume) {
    if (!visible_) return;
    SpeakText(DocumentText ? DocumentText() : std::string(), resume);
}

void SpeechNarration::SpeakText(const std::string& text, bool resume) {
    if (text.empty() || !MayRead()) {
        // Nothing is read: the request lapses instead of waiting for ever.
        if (reader_ && reader_->State() == SpeakerState::Requested) reader_->SetState(SpeakerState::Idle);
        return;
    }
    engine_->SetRate(SpeakRateFromItem(GetSettingItem("Speak Rate", settings_)));
    reader_->Start(text, resume);
}

void SpeechNarration::StopSpeaking() {
    if (reader_) reader_->StopSpeaking();
}

void SpeechNarration::SpeakAtStart() {
    if (!IsYes(GetSettingItem("Speak At Start", settings_)) || startReadings_ != 0 || !visible_) return;
    startReadings_ = 1;
    reader_->SetState(SpeakerState::Requested);
    ReadDocument(false);
}

void SpeechNarration::SpeakPhrase(const std::string& text) {
    if (!visible_ || text.empty() || !MayRead() || Reading() || engine_->IsSpeaking()) return;
    engine_->SetRate(SpeakRateFromItem(GetSettingItem("Speak Rate", settings_)));
    engine_->Speak(text, false);
}

void SpeechNarration::SpeakAnswer(const std::string& text) {
    if (!visible_ || !MayRead()) return;
    StopSpeaking();
    if (!text.empty()) answerSpoken_ = engine_->Speak(text, true);
}

void SpeechNarration::WaitForAnswer(const std::function<bool()>& runMessages,
                                    const std::function<std::uint32_t()>& nowMs, std::uint32_t limitMs) {
    if (!answerSpoken_) return;
    const std::uint32_t started = nowMs();
    while (engine_->IsSpeaking() && nowMs() - started < limitMs)
        if (!runMessages()) break;
}

void SpeechNarration::Tick() {
    if (reader_) reader_->Tick();
}

void SpeechNarration::SpeakerClick() {
    if (!reader_) return;
    switch (reader_->State()) {
    case SpeakerState::Paused:
        reader_->SetState(SpeakerState::Requested);
        ReadDocument(true);
        break;
    case SpeakerState::Requested:
    case SpeakerState::Reading:
        // Each sentence is spoken to its end: the pause begins after it.
        reader_->Pause();
        break;
    case SpeakerState::Idle:
        StopSpeaking();
        reader_->SetState(SpeakerState::Requested);
        ReadDocument(false);
        break;
    }
}

void SpeechNarration::PrepareSpeakerMenu() {
    PopulateMenuWithString(menu_.SpeakerVolumeMenu, GetSettingValue("Speaker Volume", settings_));
    PopulateMenuWithString(menu_.SpeakRateMenu, GetSettingValue("Speak Rate", settings_));
    CheckMenuList(menu_.VoiceMenu, GetSettingItem("Speaker Voice", settings_), 1);
}

void SpeechNarration::ChooseVolume(int item) {
    if (item < 1 || item > menu_.SpeakerVolumeMenu.Count()) return;
    SetSpeakerVolume(menu_.SpeakerVolumeMenu.Item(item).Caption);
    SetSettingItem("Speaker Volume", GetSettingItem("Speaker Volume", settings_), userSettings_);
}

void SpeechNarration::ChooseRate(int item) {
    if (item < 1 || item > menu_.SpeakRateMenu.Count()) return;
    const std::string caption = menu_.SpeakRateMenu.Item(item).Caption;
    SetSettingItem("Speak Rate", caption, settings_);
    SetSettingItem("Speak Rate", caption, userSettings_);
    if (engine_) engine_->SetRate(SpeakRateFromItem(caption));
}

void SpeechNarration::ChooseVoice(int item) {
    if (!engine_ || item < 1 || item > menu_.VoiceMenu.Count()) return;
    const MenuListItem& chosen = menu_.VoiceMenu.Item(item);
    // "Default" carries no voice: it stands for the first installed one.
    engine_->SelectVoice(chosen.Tag.empty() ? 0 : std::atoi(chosen.Tag.c_str()));
    const std::string caption = chosen.Caption;
    SetSettingItem("Speaker Voice", caption, settings_);
    SetSettingItem("Speaker Voice", caption, userSettings_);
    CheckMenuList(menu_.VoiceMenu, caption, 1);
}

void SpeechNarration::HideSpeaker() {
    // A reading nobody can pause any more is not left running.
    if (Reading()) StopSpeaking();
    visible_ = false;
    SetSettingItem("Speaker", YesNoText(visible_), settings_);
    SetSettingItem("Speaker", YesNoText(visible_), userSettings_);
}
