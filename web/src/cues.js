// Cues that let the director keep the eyes on the cards: words spoken, a
// tone per hand, and a screen that does not go to sleep. Made once by
// main.js and handed to the app.
import { languageOf } from './words.js';

// Each hand its own pitch, so that one small speaker tells them apart, and
// its own side where there are two: North high, East and West between,
// South low; a card without a hand a low buzz.
const TONES = [
  { frequency: 880, pan: 0, type: 'sine' },
  { frequency: 659, pan: 1, type: 'sine' },
  { frequency: 262, pan: 0, type: 'sine' },
  { frequency: 440, pan: -1, type: 'sine' },
  { frequency: 110, pan: 0, type: 'square' },
];
const TONE_SECONDS = 0.14;

export function createCues() {
  // A voice of the language on the device where there is one: it speaks at
  // once and works offline. Otherwise any voice of the language, and the
  // browser's default last.
  function voiceFor(language) {
    const voices = window.speechSynthesis.getVoices();
    const ofLanguage = voices.filter((voice) => languageOf(voice.lang) === languageOf(language));
    return ofLanguage.find((voice) => voice.localService) ?? ofLanguage[0] ?? null;
  }

  function say(text, language) {
    if (!('speechSynthesis' in window)) return;
    // The next step cuts the last words off: the cards go faster than words.
    window.speechSynthesis.cancel();
    const utterance = new SpeechSynthesisUtterance(text);
    utterance.lang = language;
    const voice = voiceFor(language);
    if (voice !== null) utterance.voice = voice;
    utterance.rate = 1.3;
    window.speechSynthesis.speak(utterance);
  }

  let audio = null;
  function tone(hand) {
    const Context = window.AudioContext || window.webkitAudioContext;
    if (!Context) return;
    // Made at the first cue, inside the director's key press or tap.
    if (audio === null) audio = new Context();
    if (audio.state === 'suspended') audio.resume();
    const { frequency, pan, type } = TONES[hand];
    const start = audio.currentTime;
    const oscillator = audio.createOscillator();
    oscillator.type = type;
    oscillator.frequency.value = frequency;
    const gain = audio.createGain();
    gain.gain.setValueAtTime(0.001, start);
    gain.gain.exponentialRampToValueAtTime(0.3, start + 0.01);
    gain.gain.exponentialRampToValueAtTime(0.001, start + TONE_SECONDS);
    let node = oscillator.connect(gain);
    if (audio.createStereoPanner) {
      const panner = audio.createStereoPanner();
      panner.pan.value = pan;
      node = node.connect(panner);
    }
    node.connect(audio.destination);
    oscillator.start(start);
    oscillator.stop(start + TONE_SECONDS);
  }

  // The lock goes when the page is hidden; it is taken again when the page
  // shows again.
  let lock = null;
  let wanted = false;
  function requestLock() {
    if (!wanted || lock !== null || !('wakeLock' in navigator) || document.visibilityState !== 'visible') return;
    lock = 'pending';
    navigator.wakeLock.request('screen').then((sentinel) => {
      lock = sentinel;
      sentinel.addEventListener?.('release', () => { lock = null; });
    }).catch(() => { lock = null; });
  }
  const visible = () => { if (document.visibilityState === 'visible') requestLock(); };
  document.addEventListener('visibilitychange', visible);

  return {
    say,
    tone,
    stayAwake() {
      wanted = true;
      requestLock();
    },
    unbind: () => document.removeEventListener('visibilitychange', visible),
  };
}
