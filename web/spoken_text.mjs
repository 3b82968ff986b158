// The live region, for screen readers (the widget's rows are hidden from
// them): the text that the program wrote since the last answer, without its
// frames (runs of *, - or =) and empty lines, once the output pauses.

function withoutFrames(text) {
  return text
    .replace(/[*=-]{2,}/g, '')
    .split('\n')
    .map((line) => line.trim())
    .filter((line) => line !== '')
    .join('\n');
}

// speak(bytes) adds the program's output, answered() starts again.
export function createSpokenText(region) {
  const decoder = new TextDecoder();
  let unspoken = '';
  let timer = null;
  return {
    speak(bytes) {
      unspoken += decoder.decode(bytes, { stream: true });
      clearTimeout(timer);
      timer = setTimeout(() => {
        region.textContent = withoutFrames(unspoken);
      }, 100);
    },
    answered() {
      unspoken = '';
      region.textContent = '';
    },
  };
}
