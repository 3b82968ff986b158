// The header's settings: options of the runs to come, remembered for the
// next visit. Changed during a run, they offer a new run with them.

const Settings = [
  { name: 'table', toggle: 'show-table', stored: 'tessarivand.tableau', argument: '--tableau', named: 'le tableau' },
  { name: 'exact', toggle: 'exact', stored: 'tessarivand.exact', argument: '--exact', named: 'le calcul exact' },
];

// Storage may be refused (a private window): a setting then lasts the visit.
export function stored(key) {
  try {
    return localStorage.getItem(key) === 'oui';
  } catch {
    return false;
  }
}

export function store(key, on) {
  try {
    localStorage.setItem(key, on ? 'oui' : 'non');
  } catch {}
}

// The offer names every setting of the next run, with or without it:
// "Recommencer sans le tableau, avec le calcul exact".
function restartText(chosen) {
  let text = 'Recommencer';
  Settings.forEach(({ name, named }, at) => {
    const on = chosen[name];
    if (at > 0 && on === chosen[Settings[at - 1].name]) text += on ? ' et' : ' ni';
    else text += `${at > 0 ? ',' : ''} ${on ? 'avec' : 'sans'}`;
    text += ` ${named}`;
  });
  return text;
}

// onChange() follows every box, onRestart() the offer. Returns chosen(), the
// boxes as they stand ({ table, exact }), argumentsFor(chosen), and
// offerRestart(running), which shows the offer while the boxes differ from
// the settings of the run in progress (running, null between runs).
export function createSettings({ onChange, onRestart }) {
  const offer = document.getElementById('restart-with-settings');
  const toggles = new Map(Settings.map(({ name, toggle }) => [name, document.getElementById(toggle)]));
  for (const setting of Settings) {
    const toggle = toggles.get(setting.name);
    toggle.checked = stored(setting.stored);
    toggle.addEventListener('change', () => {
      store(setting.stored, toggle.checked);
      onChange();
    });
  }
  offer.addEventListener('click', onRestart);

  const chosen = () => Object.fromEntries([...toggles].map(([name, toggle]) => [name, toggle.checked]));
  return {
    chosen,
    argumentsFor: (settings) => Settings.filter(({ name }) => settings[name]).map(({ argument }) => argument),
    offerRestart(running) {
      const next = chosen();
      offer.hidden = !running || Settings.every(({ name }) => next[name] === running[name]);
      offer.textContent = restartText(next);
    },
  };
}
