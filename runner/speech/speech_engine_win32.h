// The system's text-to-speech engine (SAPI 5 SpVoice through ISpeechVoice).
#pragma once

#include <memory>

#include "runner/speech/speech_engine.h"

// Loads OLE on first use and creates the voice with all event interests;
// null when the engine is missing.
std::unique_ptr<SpeechEngine> CreateSapiVoice();
