// The header's settings: options of the runs to come, remembered for the
// next visit. Changed during a run, they offer a new run with them.

const Settings = [{ toggle: 'show-table', stored: 'tessarivand.tableau', argument: '--tableau', named: 'le tableau' }];

// Storage may be refused (a private window): a setting then lasts the visit.
function stored(key) {
  try {
    return localStorage.getItem(key) === 'oui';
  } catch {
    return false;
  }
}

function store(key, on) {
  try {
    localStorage.setItem(key, on ? 'oui' : 'non');
  } catch {}
}

// The offer names the next run's settings, with or without each.
function restartText(chosen) {
  return Settings.reduce((text, setting, at) => {
    const how = chosen[at] ? 'avec' : 'sans';
    if (at === 0) return `${text} ${how} ${setting.named}`;
    if (chosen[at] !== chosen[at - 1]) return `${text}, ${how} ${setting.named}`;
    return `${text} ${chosen[at] ? 'et' : 'ni'} ${setting.named}`;
  }, 'Recommencer');
}

// onChange() follows every box, onRestart() the offer. Returns chosen(), the
// boxes as they stand, argumentsFor(chosen), and offerRestart(running), which
// shows the offer when the boxes differ from the run's (null between runs).
export function createSettings({ onChange, onRestart }) {
  const offer = document.getElementById('restart-for-table');
  const toggles = Settings.map((setting) => document.getElementById(setting.toggle));
  Settings.forEach((setting, at) => {
    toggles[at].checked = stored(setting.stored);
    toggles[at].addEventListener('change', () => {
      store(setting.stored, toggles[at].checked);
      onChange();
    });
  });
  offer.addEventListener('click', onRestart);

  const chosen = () => toggles.map((toggle) => toggle.checked);
  return {
    chosen,
    argumentsFor: (settings) => Settings.filter((_, at) => settings[at]).map((setting) => setting.argument),
    offerRestart(running) {
      const next = chosen();
      offer.hidden = !running || next.every((on, at) => on === running[at]);
      offer.textContent = restartText(next);
    },
  };
}
