#include "effects.h"

#include <random>

namespace soundgen {
namespace {

// Wood: a low, dry knock that dies in a few hundredths of a second.
Samples Wood(double freq, double click, uint32_t seed) {
  Samples s = Strike(freq, {{1, 1.0, 0.030}, {2.76, 0.45, 0.016}, {5.4, 0.2, 0.008}}, 0.16, click, seed);
  Fade(s, 0.0005, 0.02);
  Normalize(s, 0.8);
  return s;
}

// Metal: a bright ring with inharmonic partials that hangs on.
Samples Metal(double freq, double click, double ring, uint32_t seed) {
  Samples s = Strike(freq, {{1, 1.0, ring}, {2.32, 0.6, ring * 0.7}, {4.25, 0.4, ring * 0.45}, {6.63, 0.25, ring * 0.3}},
                     ring * 4, click, seed);
  Fade(s, 0.0005, 0.05);
  Normalize(s, 0.7);
  return s;
}

// A card slid and dropped: a brush of noise, then the knock.
Samples Slide(Samples knock, uint32_t seed) {
  Samples s = NoiseSweep(0.06, 2500, 5000, 1.2, seed);
  Normalize(s, 0.25);
  MixIn(s, knock, 0.045);
  Normalize(s, 0.8);
  return s;
}

Samples Arpeggio(const std::vector<int>& notes, double step, double length, double bright) {
  Samples s;
  for (size_t i = 0; i < notes.size(); ++i) MixIn(s, Note(Midi(notes[i]), length, 0.004, length / 4, bright), i * step);
  Fade(s, 0.001, 0.05);
  Normalize(s, 0.7);
  return s;
}

Samples Riffle(uint32_t seed) {
  // The Waste gathered and turned: a quick run of card flicks.
  std::mt19937 rng(seed);
  std::uniform_real_distribution<double> jitter(0.8, 1.2);
  Samples s;
  for (int i = 0; i < 18; ++i) {
    Samples flick = Strike(1800 * jitter(rng), {{1, 0.2, 0.004}}, 0.02, 1.0, seed + i);
    MixIn(s, flick, i * 0.022 * jitter(rng), 1.0 - i * 0.03);
  }
  MixIn(s, Wood(420, 1.0, seed + 99), 0.43);
  Fade(s, 0.001, 0.03);
  Normalize(s, 0.75);
  return s;
}

Samples Buzz() {
  // Refusal: two low, hard beeps.
  Samples s;
  for (int i = 0; i < 2; ++i) {
    Samples beep = Note(140, 0.11, 0.004, 0.2, 0.85);
    Fade(beep, 0.003, 0.02);
    MixIn(s, beep, i * 0.14);
  }
  Normalize(s, 0.6);
  return s;
}

}  // namespace

Samples Effect(int number) {
  switch (number) {
    case 105: return Wood(1200, 0.6, 105);                                  // a soft tick
    case 106: {                                                             // the menu strip slides in
      Samples s = NoiseSweep(0.22, 400, 3000, 2.5, 106);
      Normalize(s, 0.5);
      return s;
    }
    case 107: return Wood(1600, 1.2, 107);                                  // a menu title clicked
    case 108: return Arpeggio({76, 81}, 0.12, 0.6, 0.2);                   // someone joined, a notice
    case 109: return Buzz();                                                // a move refused
    case 110: {                                                             // a chat line: a soft pop
      Samples s = Glide(500, 1100, 0.09, 0.05);
      Fade(s, 0.002, 0.02);
      Normalize(s, 0.6);
      return s;
    }
    // Metal card set.
    case 111: return Slide(Metal(2400, 0.8, 0.05, 111), 211);              // a card turned in the reserve
    case 112: return Metal(1760, 1.0, 0.12, 112);                          // on a centre pile: a clink
    case 113: return Slide(Metal(2000, 0.6, 0.06, 113), 213);              // a card turned face up
    case 114: return Metal(1300, 0.8, 0.05, 114);                          // dealt to the opponent
    case 115: return Metal(1500, 1.0, 0.08, 115);                          // on a tableau, reserve or waste
    // Wood card set.
    case 116: return Slide(Wood(900, 1.0, 116), 216);
    case 117: return Wood(620, 1.4, 117);
    case 118: return Slide(Wood(760, 0.9, 118), 218);
    case 119: return Wood(520, 1.0, 119);
    case 120: return Wood(700, 1.2, 120);
    case 121: return Riffle(121);                                           // the waste turned over
    case 122: return Arpeggio({72, 76, 79, 84}, 0.08, 0.5, 0.35);          // the deal is done
    case 123: {                                                             // the opponent has won
      Samples s;
      const int notes[] = {67, 66, 65, 64};
      for (int i = 0; i < 4; ++i) MixIn(s, Brass(Midi(notes[i] - 12), i == 3 ? 0.7 : 0.28), i * 0.3);
      Fade(s, 0.002, 0.1);
      Normalize(s, 0.6);
      return s;
    }
    case 124: return Arpeggio({79, 84}, 0.14, 0.7, 0.15);                  // your turn again
    default: return Silence(0.05);
  }
}

Samples Music(const std::string& name) {
  Samples s;
  if (name == "win") {
    // Fanfare: a rising call, a held chord.
    const std::pair<int, double> call[] = {{60, 0.14}, {64, 0.14}, {67, 0.14}, {72, 0.3}, {67, 0.14}, {72, 0.9}};
    double at = 0;
    for (auto [note, len] : call) {
      MixIn(s, Brass(Midi(note), len + 0.05), at);
      at += len;
    }
    for (int note : {48, 55, 64}) MixIn(s, Brass(Midi(note), 1.0), at - 0.9, 0.6);
    MixIn(s, Arpeggio({84, 88, 91, 96}, 0.06, 0.8, 0.3), at - 0.9, 0.5);
  } else {
    // The intro: a lilting tune over a walking bass, on a bell-like marimba.
    const int melody[] = {67, 72, 74, 76, 74, 72, 71, 72, 76, 79, 77, 76, 74, 72};
    const double beat = 0.22;
    for (int i = 0; i < 14; ++i)
      MixIn(s, Note(Midi(melody[i]), i == 13 ? 1.2 : 0.5, 0.004, i == 13 ? 0.5 : 0.14, 0.3), i * beat);
    const int bass[] = {48, 55, 52, 55, 53, 57, 55, 48};
    for (int i = 0; i < 8; ++i) MixIn(s, Note(Midi(bass[i]), 0.5, 0.006, 0.2, 0.5), i * beat * 2, 0.6);
    for (int note : {60, 64, 67}) MixIn(s, Note(Midi(note), 1.4, 0.01, 0.6, 0.2), 13 * beat, 0.4);
  }
  Fade(s, 0.005, 0.15);
  Normalize(s, 0.8);
  return s;
}

std::vector<std::pair<std::string, Samples>> ChatSounds() {
  std::vector<std::pair<std::string, Samples>> out;
  {
    // Slap: a sharp smack over a dull thump.
    Samples s = NoiseSweep(0.12, 3000, 1200, 0.8, 501);
    Normalize(s, 1.0);
    Samples thump = Strike(180, {{1, 1, 0.05}}, 0.2, 0.5, 502);
    MixIn(s, thump, 0, 0.6);
    Fade(s, 0.0005, 0.05);
    Normalize(s, 0.85);
    out.push_back({"slap.wav", s});
  }
  out.push_back({"ding.wav", Metal(1320, 0.2, 0.4, 503)});
  out.push_back({"chime.wav", Arpeggio({84, 79, 76, 72}, 0.18, 1.0, 0.1)});
  {
    Samples s = Glide(600, 160, 0.5, 0.3);  // boing
    Samples wobble = Glide(300, 90, 0.5, 0.25);
    MixIn(s, wobble, 0.02, 0.4);
    Fade(s, 0.002, 0.05);
    Normalize(s, 0.7);
    out.push_back({"boing.wav", s});
  }
  {
    // Applause: many hands, each clap a short burst of filtered noise.
    std::mt19937 rng(504);
    std::uniform_real_distribution<double> when(0, 1.8), pitch(900, 2200);
    Samples s;
    for (int i = 0; i < 260; ++i) {
      Samples clap = NoiseSweep(0.03, pitch(rng), 800, 1.0, 600 + i);
      MixIn(s, clap, when(rng), 0.5);
    }
    Fade(s, 0.2, 0.4);
    Normalize(s, 0.7);
    out.push_back({"applause.wav", s});
  }
  return out;
}

}  // namespace soundgen
