// "Enregistrer" and "Imprimer": the run's session handed out, as a UTF-8
// text file named after the date and time, or printed monospaced with the
// graph where it is shown (the print stylesheet shows only #print). Both
// work offline: nothing leaves the page.

const two = (number) => String(number).padStart(2, '0');

// tessarivand-2026-12-10-14h05m09.txt, in local time.
function fileName(now) {
  const date = `${now.getFullYear()}-${two(now.getMonth() + 1)}-${two(now.getDate())}`;
  return `tessarivand-${date}-${two(now.getHours())}h${two(now.getMinutes())}m${two(now.getSeconds())}.txt`;
}

function save(text) {
  const url = URL.createObjectURL(new Blob([text], { type: 'text/plain;charset=utf-8' }));
  const link = Object.assign(document.createElement('a'), { href: url, download: fileName(new Date()) });
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 60000); // the download has it by then
}

// record: the session (session_record.mjs); graph() the graph shown and the
// session's line after which it goes, or null.
export function createHandOut({ record, graph }) {
  const sheet = document.getElementById('print');

  // One element a line, so that a page breaks between lines only.
  function fill() {
    const { lines, from } = record.lines();
    const shown = graph();
    const rows = lines.map((line) => Object.assign(document.createElement('div'), { textContent: line }));
    if (shown) {
      const figure = Object.assign(document.createElement('div'), { className: 'printed-graph' });
      figure.append(shown.svg.cloneNode(true));
      rows.splice(Math.max(0, Math.min(rows.length, shown.place - from)), 0, figure);
    }
    sheet.replaceChildren(...rows);
  }

  document.getElementById('save').addEventListener('click', () => save(record.text()));
  document.getElementById('print-session').addEventListener('click', () => {
    fill();
    window.print();
  });
  // The browser's own Print (Ctrl+P) prints the same.
  addEventListener('beforeprint', fill);
  addEventListener('afterprint', () => sheet.replaceChildren());
}
