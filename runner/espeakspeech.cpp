// The speech synthesiser on espeak-ng, built as a module of its own.
#include "runner/speechbackend.h"

#include <espeak-ng/espeak_ng.h>

#include <cstring>
#include <mutex>
#include <string>
#include <type_traits>

namespace {

// espeak-ng keeps one synthesiser for the whole process.
std::mutex g_lock;
bool g_started = false;
int g_sampleRate = 0; // 0: the synthesiser could not be started
std::string g_voice;  // the language whose voice is set; "" for none

struct Receiver {
    SpeechSink sink;
    void* context;
};
Receiver* g_receiver = nullptr; // the phrase being spoken, under g_lock

int receive(short* samples, int count, espeak_EVENT*) {
    if (samples && count > 0 && g_receiver)
        g_receiver->sink(g_receiver->context, samples, static_cast<size_t>(count));
    return 0; // go on
}

// Started once, on the first phrase. Nothing is printed: espeak-ng reports
// only through its status codes here, and a failure leaves speech silent.
bool start() {
    if (g_started)
        return g_sampleRate > 0;
    g_started = true;
    espeak_ng_InitializePath(nullptr);
    espeak_ng_ERROR_CONTEXT context = nullptr;
    const espeak_ng_STATUS status = espeak_ng_Initialize(&context);
    espeak_ng_ClearErrorContext(&context);
    if (status != ENS_OK)
        return false;
    // Samples come back to us through the callback; espeak-ng opens no device.
    if (espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 0, nullptr) != ENS_OK)
        return false;
    if (espeak_ng_SetVoiceByName("en") != ENS_OK)
        return false;
    g_voice = "en";
    espeak_SetSynthCallback(&receive);
    g_sampleRate = espeak_ng_GetSampleRate();
    return g_sampleRate > 0;
}

// Sets the voice of a language by its code. English is the voice by name, as
// it always was; the others are found by language, so that "pt-br" finds
// Brazilian Portuguese whatever its voice file is called.
bool setVoice(const std::string& language) {
    if (language == g_voice)
        return true;
    g_voice.clear(); // unknown until set: a failed attempt may leave any voice
    espeak_ng_STATUS status = ENS_OK;
    if (language == "en") {
        status = espeak_ng_SetVoiceByName("en");
    } else {
        espeak_VOICE wanted{};
        wanted.languages = language.c_str();
        status = espeak_ng_SetVoiceByProperties(&wanted);
    }
    if (status != ENS_OK)
        return false;
    g_voice = language;
    return true;
}

int speak(const char* text, SpeechSink sink, void* context) {
    Receiver receiver{sink, context};
    g_receiver = &receiver;
    // Plain text: no SSML, so a name holding "<" is spoken, not parsed.
    const espeak_ng_STATUS status = espeak_ng_Synthesize(
        text, std::strlen(text) + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, nullptr);
    g_receiver = nullptr;
    return status == ENS_OK ? g_sampleRate : 0;
}

int synthesiseIn(const char* language, const char* text, SpeechSink sink, void* context) {
    std::lock_guard lock(g_lock);
    if (!language || !text || !sink || !start() || !setVoice(language))
        return 0;
    return speak(text, sink, context);
}

int synthesise(const char* text, SpeechSink sink, void* context) {
    return synthesiseIn("en", text, sink, context);
}

constexpr SpeechBackend kBackend{kSpeechBackendVersion, &synthesise, &synthesiseIn};

} // namespace

extern "C" __attribute__((visibility("default"))) const SpeechBackend* stridewell_speech_backend() {
    return &kBackend;
}

static_assert(std::is_same_v<decltype(&stridewell_speech_backend), SpeechBackendEntry>);
