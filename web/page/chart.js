// One of an engine's charts on the page: a uPlot chart drawn from the
// engine's series, with the desktop chart's extras: the read-out that follows
// the mouse (and the pressure-volume loop's direction arrows), Hold's ghost
// traces, and Save Image (PNG, SVG) and Save Data (CSV). The engine computes
// every number; this file only draws and saves them.
import { core, coreLine, language, tr, trFrom } from './texts.js';

const { uPlot } = globalThis;

export function element(tag, props = {}, ...children) {
    const e = Object.assign(document.createElement(tag), props);
    e.append(...children);
    return e;
}

const svgNs = 'http://www.w3.org/2000/svg';
function svgElement(tag, attributes = {}, text) {
    const e = document.createElementNS(svgNs, tag);
    for (const [k, v] of Object.entries(attributes)) e.setAttribute(k, v);
    if (text !== undefined) e.textContent = text;
    return e;
}

// Hands a file to the browser's downloads.
export function download(name, blob) {
    const link = element('a', { href: URL.createObjectURL(blob), download: name });
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 1000);
}

// A value axis as wide as its longest label, so that a long one ("-100,000")
// does not run under the axis title.
function valueAxisSize(plot, values, axisIndex, cycle) {
    const axis = plot.axes[axisIndex];
    if (cycle > 1)
        return axis._size;
    const longest = (values || []).reduce((a, v) => (v.length > a.length ? v : a), '');
    plot.ctx.font = axis.font[0];
    const text = longest ? plot.ctx.measureText(longest).width / devicePixelRatio : 0;
    return Math.ceil(axis.ticks.size + axis.gap + text + 4);
}

// The chart that holds the pressure-volume loop (its read-out follows the
// loop in the order of travel).
export const kLoopChart = 4;
// How far Left and Right move the crank on a chart.
const kKeyStep = 5;

export class ChartView {
    // tab: the engine's tab (engine, name); index: the chart's place in the
    // engine's list (the engine's charts, then the sweep's, which say sweep);
    // meta: its titles, axes and series as the engine describes them.
    constructor(tab, index, meta, parent, sweep = false) {
        this.tab = tab;
        this.index = index;
        this.sweep = sweep;
        this.meta = meta;
        this.last = JSON.stringify(this.meta);
        this.ghosts = null;
        const hasRight = this.meta.series.some((s) => s.right);
        this.box = element('figure', { className: 'chart' });
        parent.append(this.box);
        this.plot = new uPlot({
            mode: 2,
            width: 470,
            height: sweep || index >= kLoopChart ? 260 : 230,
            title: core(this.meta.title),
            legend: { show: this.meta.legend, live: false },
            cursor: { drag: { x: false, y: false }, points: { show: false } },
            scales: { x: { time: false, range: this.range('bottom', 'x') },
                      y: { range: this.range('left', 'y') }, y2: { range: this.range('right', 'y2') } },
            axes: [{ label: core(this.meta.bottom.title) },
                   { label: core(this.meta.left.title), scale: 'y', size: valueAxisSize },
                   ...(hasRight ? [{ label: core(this.meta.right.title), scale: 'y2', side: 1,
                                     size: valueAxisSize, grid: { show: false } }] : [])],
            series: this.series(),
            hooks: { draw: [(u) => this.drawGhosts(u)] },
        }, this.data(), this.box);
        this.box.plot = this.plot; // for the browser test's look at the drawing
        // The chart in words, from the engine, for screen readers.
        this.words = element('figcaption', { className: 'visually-hidden',
                                             id: `words-${tab.name}-${index}` });
        this.box.append(this.words);
        this.plot.over.setAttribute('aria-describedby', this.words.id);
        this.addTools();
        this.addReadOut();
        // Charts along the crank angle: a click moves the crank to the angle
        // under it, and so do the keys (a chart is a slider of the angle).
        if (!sweep && index < kLoopChart) {
            this.plot.over.addEventListener('click', (e) => {
                tab.act(() => tab.engine.click(index, e.offsetX, 0, this.plot.over.clientWidth));
            });
            this.crankKeys();
        }
    }

    crankKeys() {
        const over = this.plot.over;
        over.tabIndex = 0;
        over.setAttribute('role', 'slider');
        over.setAttribute('aria-label', tr('%1: crank angle', this.heading()));
        over.setAttribute('aria-valuemin', '0');
        over.setAttribute('aria-valuemax', '360');
        this.showAngle();
        over.addEventListener('keydown', (e) => {
            const angle = Number(this.tab.engine.text('Phase')) || 0;
            const to = { ArrowLeft: angle - kKeyStep, ArrowDown: angle - kKeyStep,
                         ArrowRight: angle + kKeyStep, ArrowUp: angle + kKeyStep,
                         PageDown: angle - 45, PageUp: angle + 45, Home: 0, End: 360 }[e.key];
            if (to === undefined) return;
            e.preventDefault();
            this.tab.act(() => this.tab.engine.run('at', Math.round(to)));
        });
    }

    describe(words) {
        if (words === undefined) return;
        words = chartWords(words);
        if (this.words.textContent !== words) this.words.textContent = words;
    }

    // The title's first line, as the student reads it.
    heading() {
        return core(this.meta.title.split('\n')[0]);
    }

    // The crank angle, as the chart's slider value.
    showAngle() {
        const angle = this.tab.engine.text('Phase');
        if (this.plot.over.getAttribute('role') === 'slider')
            this.plot.over.setAttribute('aria-valuenow', Number(angle) || 0);
    }

    series() {
        return [{}].concat(this.meta.series.map((s) => ({
            label: core(s.title || s.name),
            stroke: s.color,
            width: Math.max(1, s.width),
            // A series drawn as points only (the two-piston pressure-volume loop).
            paths: s.line ? uPlot.paths.linear() : uPlot.paths.points(),
            fill: s.line ? undefined : s.color,
            points: { show: false, size: 2 * s.pointer + 1, width: 0, fill: s.color },
            facets: [{ scale: 'x', auto: true }, { scale: s.right ? 'y2' : 'y', auto: true }],
        })));
    }

    // An axis as the engine sets it: fixed, or automatic at either end, then
    // widened to take in Hold's ghosts, as the desktop chart does.
    range(axis, scale) {
        return (u, lo, hi) => {
            const a = this.meta[axis];
            const lowAuto = a.automatic || a.autoMin, highAuto = a.automatic || a.autoMax;
            let [from, to] = [lowAuto ? lo : a.min, highAuto ? hi : a.max];
            for (const g of this.ghosts ?? []) {
                const values = scale === 'x' ? g.x : (g.right ? 'y2' : 'y') === scale ? g.y : [];
                for (const v of values) {
                    if (lowAuto && (from == null || v < from)) from = v;
                    if (highAuto && (to == null || v > to)) to = v;
                }
            }
            if (from == null || to == null) return [0, 1];
            if (from === to) { from -= 1; to += 1; }
            return [from, to];
        };
    }

    data() {
        return [null].concat(this.meta.series.map((_, i) => {
            const xy = this.tab.engine.points(this.index, i);
            const n = xy.length / 2;
            const xs = new Float64Array(n), ys = new Float64Array(n);
            for (let k = 0; k < n; ++k) { xs[k] = xy[2 * k]; ys[k] = xy[2 * k + 1]; }
            return [xs, ys];
        }));
    }

    refresh(meta) {
        this.showAngle();
        const text = JSON.stringify(meta);
        if (text === this.last) return;
        this.last = text;
        this.meta = meta;
        const title = this.plot.root.querySelector('.u-title');
        if (title) title.textContent = core(meta.title);
        this.plot.setData(this.data());
    }

    // Hold: a faint, dashed copy of the curves as they are now, kept while the
    // chart's own curves go on changing; null lets them go.
    hold(held) {
        this.ghosts = held ? JSON.parse(this.tab.engine.ghosts(this.index)) : null;
        this.plot.setData(this.data());
    }

    drawGhosts(u) {
        if (!this.ghosts) return;
        const { ctx } = u;
        const { left, top, width, height } = u.bbox;
        ctx.save();
        ctx.beginPath();
        ctx.rect(left, top, width, height);
        ctx.clip();
        ctx.globalAlpha = 0.45;
        ctx.lineWidth = devicePixelRatio;
        ctx.setLineDash([4 * devicePixelRatio, 3 * devicePixelRatio]);
        for (const g of this.ghosts) {
            const scale = g.right ? 'y2' : 'y';
            ctx.strokeStyle = ctx.fillStyle = g.color;
            ctx.beginPath();
            g.x.forEach((x, i) => {
                const px = u.valToPos(x, 'x', true), py = u.valToPos(g.y[i], scale, true);
                if (g.line) {
                    if (i === 0) ctx.moveTo(px, py); else ctx.lineTo(px, py);
                } else {
                    ctx.moveTo(px + 1.5 * devicePixelRatio, py);
                    ctx.arc(px, py, 1.5 * devicePixelRatio, 0, 2 * Math.PI);
                }
            });
            if (g.line) ctx.stroke(); else ctx.fill();
        }
        ctx.restore();
        this.box.dataset.ghosts = this.ghosts.length;
    }

    addTools() {
        const tools = element('div', { className: 'chart-tools' });
        for (const [kind, caption, save] of [['png', 'PNG', () => this.savePng()],
                                             ['svg', 'SVG', () => this.saveSvg()],
                                             ['csv', 'CSV', () => this.saveCsv()],
                                             ['table', tr('Table'), () => this.toggleTable()]]) {
            const b = element('button', { className: kind, textContent: caption,
                                          title: kind === 'table' ? tr('Show the chart\'s numbers as a table')
                                                                  : tr('Save this chart as %1', caption) });
            b.addEventListener('click', save);
            tools.append(b);
        }
        this.box.append(tools);
    }

    fileName(extension) {
        return `${this.tab.name}-${this.meta.name}${this.sweep ? '-sweep' : ''}.${extension}`;
    }

    // The chart's numbers as a table, for whoever cannot see the curves;
    // made when asked for (and again at each asking, with the latest values).
    toggleTable() {
        if (this.table) {
            this.table.remove();
            this.table = null;
            return;
        }
        this.table = element('table', { className: 'chart-table' },
                             element('caption', { textContent: this.heading() }));
        this.meta.series.forEach((s, i) => {
            const xy = this.tab.engine.points(this.index, i);
            const body = element('tbody', {}, element('tr', {},
                element('th', { scope: 'colgroup', colSpan: 2, textContent: core(s.title || s.name) })),
                element('tr', {}, element('th', { scope: 'col', textContent: core(this.meta.bottom.title) || 'x' }),
                        element('th', { scope: 'col', textContent: core((s.right ? this.meta.right : this.meta.left).title) || 'y' })));
            for (let k = 0; k < xy.length; k += 2)
                body.append(element('tr', {}, element('td', { textContent: xy[k] }), element('td', { textContent: xy[k + 1] })));
            this.table.append(body);
        });
        this.box.append(this.table);
    }

    saveCsv() {
        const lines = ['series,x,y'];
        this.meta.series.forEach((s, i) => {
            const xy = this.tab.engine.points(this.index, i);
            for (let k = 0; k < xy.length; k += 2) lines.push(`${s.name},${xy[k]},${xy[k + 1]}`);
        });
        download(this.fileName('csv'), new Blob([lines.join('\n') + '\n'], { type: 'text/csv' }));
    }

    // The chart as drawn, under its title, on white.
    pngCanvas() {
        const source = this.plot.ctx.canvas;
        const titleHeight = Math.round(22 * devicePixelRatio);
        const canvas = element('canvas', { width: source.width, height: source.height + titleHeight });
        const ctx = canvas.getContext('2d');
        ctx.fillStyle = '#fff';
        ctx.fillRect(0, 0, canvas.width, canvas.height);
        ctx.fillStyle = '#000';
        ctx.font = `bold ${13 * devicePixelRatio}px sans-serif`;
        ctx.textAlign = 'center';
        ctx.fillText(this.heading(), canvas.width / 2, 16 * devicePixelRatio);
        ctx.drawImage(source, 0, titleHeight);
        return canvas;
    }

    savePng() {
        this.pngCanvas().toBlob((blob) => download(this.fileName('png'), blob), 'image/png');
    }

    // The chart as vector drawing: frame, ticks and labels where uPlot put
    // them, every series and ghost as a polyline (or dots), and the titles.
    // paper: for the printed report, where the screen's "Click the Help
    // button!" on the Work axis means nothing.
    svg(paper = false) {
        const u = this.plot;
        const dpr = devicePixelRatio;
        const titleHeight = 22;
        const w = u.width, h = u.height + titleHeight;
        const svg = svgElement('svg', { xmlns: svgNs, width: w, height: h, viewBox: `0 0 ${w} ${h}`,
                                        'font-family': 'sans-serif', 'font-size': 11 });
        svg.append(svgElement('rect', { width: w, height: h, fill: '#fff' }));
        svg.append(svgElement('text', { x: w / 2, y: 16, 'text-anchor': 'middle', 'font-weight': 'bold',
                                        'font-size': 13 }, this.heading()));
        const left = u.bbox.left / dpr, top = u.bbox.top / dpr + titleHeight;
        const width = u.bbox.width / dpr, height = u.bbox.height / dpr;
        const plot = svgElement('g');
        const clipId = `clip-${this.tab.name}-${this.index}`;
        const clip = svgElement('clipPath', { id: clipId });
        clip.append(svgElement('rect', { x: left, y: top, width, height }));
        svg.append(clip);
        const xOf = (v) => left + u.valToPos(v, 'x');
        const yOf = (v, scale) => top + u.valToPos(v, scale);
        u.axes.forEach((axis, i) => {
            const scale = axis.scale ?? (i === 0 ? 'x' : 'y');
            const horizontal = scale === 'x';
            (axis._splits ?? []).forEach((v, k) => {
                const label = axis._values?.[k];
                if (horizontal) {
                    const x = xOf(v);
                    if (x < left - 0.5 || x > left + width + 0.5) return;
                    svg.append(svgElement('line', { x1: x, x2: x, y1: top, y2: top + height,
                                                    stroke: '#e4e4e4' }));
                    if (label != null)
                        svg.append(svgElement('text', { x, y: top + height + 14, 'text-anchor': 'middle' }, label));
                } else {
                    const y = yOf(v, scale);
                    if (y < top - 0.5 || y > top + height + 0.5) return;
                    if (axis.side !== 1)
                        svg.append(svgElement('line', { x1: left, x2: left + width, y1: y, y2: y,
                                                        stroke: '#e4e4e4' }));
                    if (label != null) {
                        const right = axis.side === 1;
                        svg.append(svgElement('text', { x: right ? left + width + 6 : left - 6, y: y + 4,
                                                        'text-anchor': right ? 'start' : 'end' }, label));
                    }
                }
            });
            const title = paper && axis.label === core('Click the Help button!')
                ? trFrom('ReportWriter', 'Work (pressure × volume units)') : axis.label;
            if (!title) return;
            if (horizontal) {
                svg.append(svgElement('text', { x: left + width / 2, y: h - 4, 'text-anchor': 'middle' }, title));
            } else {
                const x = axis.side === 1 ? w - 6 : 12;
                svg.append(svgElement('text', { x, y: top + height / 2, 'text-anchor': 'middle',
                                                transform: `rotate(-90 ${x} ${top + height / 2})` }, title));
            }
        });
        svg.append(svgElement('rect', { x: left, y: top, width, height, fill: 'none', stroke: '#000' }));
        plot.setAttribute('clip-path', `url(#${clipId})`);
        const curves = (this.ghosts ?? []).map((g) => ({ ...g, ghost: true }));
        this.meta.series.forEach((s, i) => {
            const xy = this.tab.engine.points(this.index, i);
            const x = [], y = [];
            for (let k = 0; k < xy.length; k += 2) { x.push(xy[k]); y.push(xy[k + 1]); }
            curves.push({ x, y, color: s.color, right: s.right, line: s.line, width: Math.max(1, s.width),
                          dot: s.pointer });
        });
        for (const c of curves) {
            const scale = c.right ? 'y2' : 'y';
            const points = c.x.map((x, k) => [xOf(x), yOf(c.y[k], scale)])
                .filter(([x, y]) => Number.isFinite(x) && Number.isFinite(y));
            if (c.line && points.length > 1) {
                plot.append(svgElement('polyline', {
                    points: points.map(([x, y]) => `${x.toFixed(2)},${y.toFixed(2)}`).join(' '),
                    fill: 'none', stroke: c.color, 'stroke-width': c.width ?? 1,
                    ...(c.ghost ? { 'stroke-dasharray': '4 3', opacity: 0.45 } : {}) }));
            } else {
                for (const [x, y] of points)
                    plot.append(svgElement('circle', { cx: x.toFixed(2), cy: y.toFixed(2),
                                                       r: Math.max(1.5, c.dot ?? 0), fill: c.color,
                                                       ...(c.ghost ? { opacity: 0.45 } : {}) }));
            }
        }
        svg.append(plot);
        return svg;
    }

    saveSvg() {
        const text = new XMLSerializer().serializeToString(this.svg());
        download(this.fileName('svg'), new Blob([text], { type: 'image/svg+xml' }));
    }

    // The read-out box beside the pointer, and on the loop chart the two
    // arrows that show which way the engine goes round.
    addReadOut() {
        const over = this.plot.over;
        this.readOut = element('div', { className: 'readout', hidden: true });
        this.arrows = svgElement('svg', { class: 'arrows' });
        over.append(this.arrows, this.readOut);
        over.addEventListener('mousemove', (e) => this.showReadOut(e.offsetX, e.offsetY));
        over.addEventListener('mouseleave', () => this.hideReadOut());
    }

    showReadOut(px, py) {
        const u = this.plot;
        const x = u.posToVal(px, 'x');
        let lines;
        if (!this.sweep && this.index === kLoopChart) {
            const scale = (key) => Math.abs(u.valToPos(1, key) - u.valToPos(0, key));
            const loop = JSON.parse(this.tab.engine.loopReadOut(x, u.posToVal(py, 'y'),
                                                                 scale('x'), scale('y')));
            lines = loop.lines;
            this.drawArrows(loop.arrows);
        } else {
            lines = JSON.parse(this.tab.engine.readOut(this.index, x));
        }
        if (!lines.length) { this.hideReadOut(); return; }
        this.readOut.textContent = lines.map(coreLine).join('\n');
        this.readOut.hidden = false;
        // Beside the pointer, turned back inside the chart near its edges.
        const box = this.readOut;
        const right = px + 12 + box.offsetWidth > u.over.clientWidth;
        const below = py + 12 + box.offsetHeight > u.over.clientHeight;
        box.style.left = `${right ? px - 12 - box.offsetWidth : px + 12}px`;
        box.style.top = `${below ? Math.max(0, py - 12 - box.offsetHeight) : py + 12}px`;
    }

    drawArrows(arrows) {
        const u = this.plot;
        if (this.arrows.childElementCount) return;
        const defs = svgElement('defs');
        const marker = svgElement('marker', { id: `head-${this.tab.name}`, viewBox: '0 0 10 10', refX: 9,
                                              refY: 5, markerWidth: 8, markerHeight: 8, orient: 'auto' });
        marker.append(svgElement('path', { d: 'M0,0 L10,5 L0,10 z', fill: '#800000' }));
        defs.append(marker);
        this.arrows.append(defs);
        for (const [fx, fy, tx, ty] of arrows) {
            this.arrows.append(svgElement('line', {
                x1: u.valToPos(fx, 'x'), y1: u.valToPos(fy, 'y'), x2: u.valToPos(tx, 'x'),
                y2: u.valToPos(ty, 'y'), stroke: '#800000', 'stroke-width': 2,
                'marker-end': `url(#head-${this.tab.name})` }));
        }
    }

    hideReadOut() {
        this.readOut.hidden = true;
        this.arrows.replaceChildren();
    }
}

// The engine's words for a chart ("Pressures, along Angle. Pressure: lowest
// 273 at 250, highest 410 at 105, mean 367."), in the page's language; words
// of another shape stay as they came.
function chartWords(words) {
    const head = words.match(/^(.*?), along (.*?)\./s);
    if (language === 'en' || !head) return words;
    let out = tr('%1, along %2.', core(head[1]), core(head[2]));
    const curve = / (.+?): lowest (\S+) at (\S+), highest (\S+) at (\S+), mean (\S+)\./y;
    let at = head[0].length;
    for (let m; (curve.lastIndex = at, m = curve.exec(words)); at = curve.lastIndex)
        out += ` ${tr('%1: lowest %2 at %3, highest %4 at %5, mean %6.', core(m[1]), ...m.slice(2))}`;
    const rest = words.slice(at);
    if (rest === ' No results yet.') return `${out} ${tr('No results yet.')}`;
    return rest ? words : out;
}
