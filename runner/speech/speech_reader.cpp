#include "runner/speech/speech_reader.h"

#include "runner/speech/speech_engine.h"

std::string SpeakerStateText(SpeakerState state) {
    switch (state) {
    case SpeakerState::Requested: return "1";
    case SpeakerState::Reading: return "4";
    case SpeakerState::Paused: return "2";
    case SpeakerState::Idle: break;
    }
    return std::string();
}

void SpeechReader::Start(const std::string& text, bool resume) {
    const bool oneSentence = text.find('.') == std::string::npos;
    if (!resume || oneSentence || text != text_) {
        // A resume against another text (the view moved on) starts it afresh.
        start_ = 0;
        end_ = oneSentence ? text.size() - 1 : text.find('.');
    }
    text_ = text;
    active_ = !text_.empty();
    if (!active_) {
        Finish();
        return;
    }
    state_ = SpeakerState::Requested;
    Tick();
}

bool SpeechReader::NextPiece(std::string& piece) {
    if (start_ >= text_.size() || end_ == std::string::npos) return false;
    piece = text_.substr(start_, end_ - start_ + 1);
    start_ = end_ + 1;
    end_ = text_.find('.', start_);
    if (end_ == std::string::npos && start_ < text_.size()) end_ = text_.size() - 1;
    return true;
}

void SpeechReader::Tick() {
    if (!active_ || !Reading() || engine_.IsSpeaking()) return;
    std::string piece;
    while (NextPiece(piece)) {
        state_ = SpeakerState::Reading;
        if (piece.empty()) continue;
        // An engine error ends the reading quietly.
        if (!engine_.Speak(piece, false)) break;
        return;
    }
    Finish();
}

void SpeechReader::Finish() {
    active_ = false;
    if (Reading()) state_ = SpeakerState::Idle;
}

void SpeechReader::StopSpeaking() {
    engine_.Speak(".", true);
    active_ = false;
    state_ = SpeakerState::Idle;
}
