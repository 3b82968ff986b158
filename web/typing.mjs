// The ways of typing besides the terminal's own keys: the field, with its
// keys for characters that keypads lack, while a run reads lines; the two
// buttons while it waits for one key. What they type goes to type(data), as
// the terminal's keys do.

// A comma becomes a point at once: what the person sees is what the program
// reads (a French keypad's decimal key gives a comma).
function pointForComma(field) {
  if (!field.value.includes(',')) return;
  const caret = field.selectionStart;
  field.value = field.value.replaceAll(',', '.');
  field.setSelectionRange(caret, caret);
}

// onToggle() follows the "Champ de saisie" box. Returns show(running,
// keyMode, fractions), which shows what fits the run's state (the "/" key
// for a run that reads fractions), and focus(keyMode, anywhere), which puts
// the focus where the next answer is typed.
export function createTyping({ terminal, type, onToggle }) {
  const field = document.getElementById('line');
  const form = document.getElementById('typing');
  const fieldToggle = document.getElementById('show-field');
  const keys = document.getElementById('keys');
  const fraction = document.getElementById('fraction');

  fieldToggle.checked = matchMedia('(pointer: coarse), (hover: none)').matches;
  fieldToggle.addEventListener('change', onToggle);
  field.addEventListener('input', () => pointForComma(field));
  for (const button of document.querySelectorAll('.insert')) {
    button.addEventListener('click', () => {
      field.setRangeText(button.dataset.text, field.selectionStart, field.selectionEnd, 'end');
      field.focus();
    });
  }
  form.addEventListener('submit', (event) => {
    event.preventDefault();
    type(field.value + '\r');
    field.value = '';
    field.focus();
  });
  for (const button of keys.querySelectorAll('button')) {
    button.addEventListener('click', () => type(button.dataset.key));
  }
  terminal.onData(type);

  return {
    show(running, keyMode, fractions) {
      keys.hidden = !keyMode;
      fraction.hidden = !fractions;
      form.hidden = !fieldToggle.checked || keyMode || !running;
    },
    // In key mode the terminal, so that a hardware key answers too; else the
    // field where it shows, or the terminal when anywhere will do.
    focus(keyMode, anywhere = false) {
      if (!form.hidden) field.focus();
      else if (keyMode || anywhere) terminal.focus();
    },
  };
}
