// The header's menu on a phone: one button folds the settings and the
// actions away, so that the header grows no taller; elsewhere the style
// sheet shows them all and hides the button. It opens and closes as a
// disclosure does: Enter or Space on the button, Escape inside, a click
// outside; an action's button closes it too, a box leaves it open.

export function createHeaderMenu() {
  const button = document.getElementById('menu-button');
  const menu = document.getElementById('menu');
  const open = (on) => {
    button.setAttribute('aria-expanded', String(on));
    menu.classList.toggle('open', on);
  };
  button.addEventListener('click', () => open(button.getAttribute('aria-expanded') !== 'true'));
  menu.addEventListener('click', (event) => {
    if (event.target.closest('button')) open(false);
  });
  menu.addEventListener('keydown', (event) => {
    if (event.key !== 'Escape' || !menu.classList.contains('open')) return;
    open(false);
    button.focus();
  });
  document.addEventListener('click', (event) => {
    if (!button.contains(event.target) && !menu.contains(event.target)) open(false);
  });
}
