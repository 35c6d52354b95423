// Cues that let the director keep the eyes on the cards: the hand's name
// spoken, a tone per hand, and a screen that does not go to sleep.
'use strict';

window.Pipsweep = window.Pipsweep || {};

(() => {
  const WORDS = ['North', 'East', 'South', 'West', 'no hand'];
  // North high, South low, East and West between them, panned to their side.
  const TONES = [
    { frequency: 880, pan: 0 },
    { frequency: 523, pan: 1 },
    { frequency: 262, pan: 0 },
    { frequency: 523, pan: -1 },
    { frequency: 110, pan: 0 },
  ];
  const TONE_SECONDS = 0.14;

  // A voice on the device where there is one: it speaks at once and works
  // offline. Otherwise the browser's default.
  function localVoice() {
    const voices = window.speechSynthesis.getVoices();
    const language = (document.documentElement.lang || 'en').toLowerCase();
    const local = voices.filter((voice) => voice.localService);
    return local.find((voice) => voice.lang.toLowerCase().startsWith(language)) ?? local[0] ?? null;
  }

  function speak(word) {
    if (!('speechSynthesis' in window)) return;
    // The next step cuts the last word off: the cards go faster than words.
    window.speechSynthesis.cancel();
    const utterance = new SpeechSynthesisUtterance(word);
    const voice = localVoice();
    if (voice !== null) utterance.voice = voice;
    utterance.rate = 1.3;
    window.speechSynthesis.speak(utterance);
  }

  let audio = null;
  function tone(hand) {
    const Context = window.AudioContext || window.webkitAudioContext;
    if (!Context) return;
    // Made at the first cue, inside the user's key press or tap.
    if (audio === null) audio = new Context();
    if (audio.state === 'suspended') audio.resume();
    const { frequency, pan } = TONES[hand];
    const start = audio.currentTime;
    const oscillator = audio.createOscillator();
    oscillator.type = hand === 4 ? 'square' : 'sine';
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
  document.addEventListener('visibilitychange', () => {
    if (document.visibilityState === 'visible') requestLock();
  });

  window.Pipsweep.cues = {
    // hand: 0 to 3, 4 for none; null for a step that shows no card.
    step(hand, { speech, tones }, word) {
      if (speech) speak(word ?? WORDS[hand]);
      if (tones && hand !== null) tone(hand);
    },
    keepAwake() {
      wanted = true;
      requestLock();
    },
  };
})();
