// The curve of P after a division, as SVG: the interval, the axes with
// their numbers in the program's format, the point (µ, P(µ)) labelled as the
// identity writes it, and the real roots when choice 5 has found them; with
// its text for screen readers. Loaded by curve.mjs only when it is shown.

const Svg = 'http://www.w3.org/2000/svg';
const Width = 640;
const Height = 360;
const Plot = { left: 12, right: Width - 12, top: 12, bottom: Height - 12 };
const CauchyLimit = 100; // beyond this bound, µ ± HalfWidth instead
const HalfWidth = 10;

// The program's real format, printf's "%.6g" with a three-digit exponent:
// 1.23457e+006, 0.5, -2.
export function formatReal(value) {
  if (Number.isNaN(value)) return 'nan';
  if (!Number.isFinite(value)) return value < 0 ? '-inf' : 'inf';
  if (value === 0) return '0';
  const [mantissa, exponentText] = value.toExponential(5).split('e');
  const exponent = Number(exponentText);
  if (exponent < -4 || exponent >= 6) {
    const digits = mantissa.replace(/\.?0+$/, '');
    return `${digits}e${exponent < 0 ? '-' : '+'}${String(Math.abs(exponent)).padStart(3, '0')}`;
  }
  return value.toFixed(5 - exponent).replace(/(\.\d*?)0+$/, '$1').replace(/\.$/, '');
}

// A decimal integer's text as its sign, its first digits in [1, 10) and
// its power of ten.
function decimalParts(text) {
  const digits = text.replace(/^[-+]/, '').replace(/^0+(?=\d)/, '');
  return {
    sign: text.startsWith('-') ? -1 : 1,
    leading: Number(`${digits[0]}.${digits.slice(1, 17) || '0'}`),
    power: digits.length - 1,
  };
}

// A number's text from the program, "p/q", an integer or a decimal with 17
// digits, as a double; a value beyond a double's range is clipped to the
// largest one.
export function numberValue(text) {
  let value;
  if (/^-?\d+(\/\d+)?$/.test(text)) {
    const [p, q = '1'] = text.split('/');
    const [top, under] = [decimalParts(p), decimalParts(q)];
    // The quotient of the leading parts lies in (0.1, 10): written without an exponent.
    value = top.sign * Number(`${top.leading / under.leading}e${top.power - under.power}`);
  } else value = Number(text.replace(/^(-?)inf$/, '$1Infinity'));
  if (Number.isNaN(value)) return 0;
  return Math.max(-Number.MAX_VALUE, Math.min(Number.MAX_VALUE, value));
}

// P(x) by Horner's scheme; where that overflows, the sum of the terms scaled
// by the largest, so that a curve of degree 999 gives its sign and an
// infinite size rather than NaN.
export function valueAt(a, x) {
  let sum = 0;
  for (let k = a.length - 1; k >= 0; --k) sum = sum * x + a[k];
  if (Number.isFinite(sum)) return sum;
  const logs = a.map((c, k) =>
    c === 0 ? -Infinity : Math.log(Math.abs(c)) + (k === 0 ? 0 : k * Math.log(Math.abs(x))),
  );
  const largest = Math.max(...logs);
  let scaled = 0;
  a.forEach((c, k) => {
    if (c !== 0) scaled += Math.sign(c) * (x < 0 && k % 2 === 1 ? -1 : 1) * Math.exp(logs[k] - largest);
  });
  return scaled === 0 ? 0 : scaled * Math.exp(Math.min(largest, 800));
}

// The interval drawn: the real roots found and µ; else µ and [-B, B], B the
// Cauchy bound 1 + max |a_k / a_n|, when B is at most CauchyLimit; else
// µ ± HalfWidth.
export function interval(a, mu, roots) {
  if (roots.length > 0) {
    const low = Math.min(mu, ...roots);
    const high = Math.max(mu, ...roots);
    const margin = Math.max((high - low) / 10, 1);
    return widened(low - margin, high + margin, mu);
  }
  const n = a.length - 1;
  let bound = 1;
  for (let k = 0; k < n; ++k) bound = Math.max(bound, 1 + Math.abs(a[k] / a[n]));
  if (n >= 1 && bound <= CauchyLimit) return widened(Math.min(-bound, mu), Math.max(bound, mu), mu);
  return widened(mu - HalfWidth, mu + HalfWidth, mu);
}

// An interval that the doubles can tell apart from its ends, µ inside.
function widened(low, high, mu) {
  const least = Math.max(Math.abs(mu) * 1e-9, 1e-300);
  if (!(high - low > least) || !Number.isFinite(high - low)) {
    const half = Math.min(Math.max(least, Math.abs(mu) / 4, 1), Number.MAX_VALUE / 4);
    return [Math.max(mu - half, -Number.MAX_VALUE), Math.min(mu + half, Number.MAX_VALUE)];
  }
  return [low, high];
}

// The y range: what a reader looks for, the axis, P(µ) and the curve's
// turning points inside the interval; around it, as much more of the curve
// as keeps that a third of the height at least (a monotonic curve that
// passes through the axis at µ: its median size). Beyond, the curve is cut.
export function heightRange(values, remainder) {
  let low = Math.min(0, remainder);
  let high = Math.max(0, remainder);
  for (let i = 1; i + 1 < values.length; ++i) {
    const [before, y, after] = [values[i - 1], values[i], values[i + 1]];
    if (Number.isFinite(y) && (y - before) * (after - y) <= 0) [low, high] = [Math.min(low, y), Math.max(high, y)];
  }
  const sizes = values.filter(Number.isFinite).map(Math.abs).sort((x, y) => x - y);
  const span = high / 2 - low / 2 || sizes[sizes.length >> 1] / 2 || 1 / 2; // halved: no overflow
  const least = Math.min(...values.map((y) => (Number.isNaN(y) ? 0 : y)));
  const most = Math.max(...values.map((y) => (Number.isNaN(y) ? 0 : y)));
  low = Math.min(low, Math.max(least, low - 2 * span));
  high = Math.max(high, Math.min(most, high + 2 * span));
  if (!(high - low > 0)) [low, high] = [low - 1, high + 1];
  const margin = high / 12 - low / 12;
  return [Math.max(low - margin, -Number.MAX_VALUE), Math.min(high + margin, Number.MAX_VALUE)];
}

// Round values between low and high, some five of them: 1, 2 or 5 times a
// power of ten apart.
function ticks(low, high) {
  const rough = high / 5 - low / 5;
  if (!(rough > 0) || !Number.isFinite(rough)) return [];
  const power = 10 ** Math.floor(Math.log10(rough));
  const step = [1, 2, 5, 10].map((m) => m * power).find((s) => s >= rough) ?? 10 * power;
  const found = [];
  for (let k = Math.ceil(low / step); k * step <= high && found.length < 12; ++k) found.push(k * step);
  return found;
}

function element(name, attributes, text) {
  const node = document.createElementNS(Svg, name);
  for (const [key, value] of Object.entries(attributes)) node.setAttribute(key, value);
  if (text !== undefined) node.textContent = text;
  return node;
}

const rounded = (value) => Math.round(value * 10) / 10;

// The path of the curve through the points, each segment cut to the band
// between top and bottom, so that no value beyond is drawn as a spike.
function curvePath(points, top, bottom) {
  let path = '';
  let joined = false; // the last segment ended at its own end point
  for (let i = 1; i < points.length; ++i) {
    const [x0, y0] = points[i - 1];
    const [x1, y1] = points[i];
    let [enter, leave] = [0, 1];
    if (y0 === y1) {
      if (y0 < top || y0 > bottom) enter = 2;
    } else {
      const [atTop, atBottom] = [(top - y0) / (y1 - y0), (bottom - y0) / (y1 - y0)];
      enter = Math.max(enter, Math.min(atTop, atBottom));
      leave = Math.min(leave, Math.max(atTop, atBottom));
    }
    if (enter > leave) {
      joined = false;
      continue;
    }
    const at = (t) => `${rounded(x0 + (x1 - x0) * t)} ${rounded(y0 + (y1 - y0) * t)}`;
    if (!joined || enter > 0) path += `M${at(enter)}`;
    path += `L${at(leave)}`;
    joined = leave === 1;
  }
  return path;
}

// The x axis, and the y axis where it falls inside, a tick and its number
// at each round value: the x numbers below their axis (above, at the
// bottom), the y numbers right of theirs (left, near the right edge).
function axesWithNumbers([low, high, bottom, top], px, py) {
  const xAxis = Math.min(Math.max(py(0), Plot.top), Plot.bottom);
  const yAxis = Math.min(Math.max(px(0), Plot.left), Plot.right);
  const axes = element('g', { class: 'axes' });
  const numbers = element('g', { class: 'numbers' });
  const line = (x1, y1, x2, y2) => element('line', { x1: rounded(x1), y1: rounded(y1), x2: rounded(x2), y2: rounded(y2) });
  axes.append(line(Plot.left, xAxis, Plot.right, xAxis));
  if (low <= 0 && 0 <= high) axes.append(line(yAxis, Plot.top, yAxis, Plot.bottom));
  const below = xAxis + 18 <= Plot.bottom;
  for (const x of ticks(low, high).filter((tick) => tick !== 0)) {
    axes.append(line(px(x), xAxis - 4, px(x), xAxis + 4));
    const at = { x: rounded(px(x)), y: rounded(below ? xAxis + 17 : xAxis - 8), 'text-anchor': 'middle' };
    numbers.append(element('text', at, formatReal(x)));
  }
  const leftSide = yAxis + 100 > Plot.right;
  for (const y of ticks(bottom, top).filter((tick) => tick !== 0)) {
    axes.append(line(yAxis - 4, py(y), yAxis + 4, py(y)));
    const at = { x: rounded(yAxis + (leftSide ? -7 : 7)), y: rounded(py(y) + 4), 'text-anchor': leftSide ? 'end' : 'start' };
    numbers.append(element('text', at, formatReal(y)));
  }
  return [axes, numbers];
}

// The point (µ, P(µ)) at x, y and its label, beside it on the side with
// room, below it near the top edge.
function pointWithLabel(x, y, label) {
  const onLeft = x > Width / 2;
  const at = { x: rounded(x + (onLeft ? -9 : 9)), y: rounded(y < Plot.top + 24 ? y + 20 : y - 9), 'text-anchor': onLeft ? 'end' : 'start' };
  return [element('circle', { class: 'point', cx: x, cy: y, r: 5 }), element('text', { class: 'label', ...at }, label)];
}

// A number's text for the label and the spoken text: a fraction as it is,
// a decimal in the program's format.
const shown = (text) => {
  if (text.includes('/')) return text;
  if (/nan|inf/.test(text)) return text.replace('-nan', 'nan');
  return formatReal(numberValue(text));
};

// data: { coefficients, mu, remainder, realRoots }, texts as the program
// gives them. Returns the SVG and its French text alternative.
export function drawGraph(data) {
  const a = data.coefficients.map(numberValue);
  while (a.length > 1 && a[a.length - 1] === 0) a.pop();
  const mu = numberValue(data.mu);
  const remainder = numberValue(data.remainder);
  const roots = data.realRoots.map(numberValue);
  const [low, high] = interval(a, mu, roots);

  const columns = Plot.right - Plot.left;
  const xs = Array.from({ length: columns + 1 }, (_, i) => low * (1 - i / columns) + high * (i / columns));
  const values = xs.map((x) => valueAt(a, x));
  const [bottom, top] = heightRange(values, remainder);
  // Each range scaled by its largest end first, so that even ranges as wide
  // as the doubles' give finite fractions.
  const across = Math.max(Math.abs(low), Math.abs(high));
  const px = (x) => Plot.left + ((x / across - low / across) / (high / across - low / across)) * columns;
  const up = Math.max(Math.abs(bottom), Math.abs(top));
  const py = (y) => {
    if (!Number.isFinite(y)) return y > 0 ? -Height : 2 * Height;
    const at = Plot.top + ((top / up - y / up) / (top / up - bottom / up)) * (Plot.bottom - Plot.top);
    return Math.max(-Height, Math.min(2 * Height, at)); // far values stay finite, cut at the edge below
  };

  const svg = element('svg', {
    viewBox: `0 0 ${Width} ${Height}`,
    class: 'graph',
    role: 'img',
    // What was drawn, for whoever checks it: the values' window, the plot's box.
    'data-window': `${low} ${high} ${bottom} ${top}`,
    'data-plot': `${Plot.left} ${Plot.right} ${Plot.top} ${Plot.bottom}`,
  });
  const description = [
    `Courbe de P entre ${formatReal(low)} et ${formatReal(high)}`,
    `au point µ = ${shown(data.mu)}, P(µ) = ${shown(data.remainder)}`,
    ...(roots.length > 0 ? [`racines réelles : ${data.realRoots.map(shown).join(' ; ')}`] : []),
  ].join(' ; ');
  svg.append(element('title', {}, description));

  svg.append(...axesWithNumbers([low, high, bottom, top], px, py));
  svg.append(element('path', { class: 'curve', d: curvePath(xs.map((x, i) => [px(x), py(values[i])]), Plot.top, Plot.bottom) }));
  const xAxis = Math.min(Math.max(py(0), Plot.top), Plot.bottom);
  for (const root of roots) svg.append(element('circle', { class: 'root', cx: rounded(px(root)), cy: rounded(xAxis), r: 5 }));
  svg.append(...pointWithLabel(rounded(px(mu)), rounded(py(remainder)), `P(${shown(data.mu)}) = ${shown(data.remainder)}`));
  return { svg, description };
}
