// Runs the WebAssembly engines and kelvane-cli on the same generated argument
// lists and compares what both give: grid texts, sweep notes and pictures
// must be identical, series points equal within kTolerance (see there).
//   node compare-cli.mjs SITE_DIR KELVANE_CLI [COUNT]
import { spawnSync } from 'node:child_process';
import { mkdtempSync, readdirSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { loadEngines } from './engines.mjs';
import { readPng } from './png.mjs';

const [siteDir, cli, countText = '300'] = process.argv.slice(2);
const M = await loadEngines(siteDir);

// A fixed seed: a failure can be run again as it was.
let seed = 20261209;
const random = () => {
    seed = (seed * 1103515245 + 12345) % 2147483648;
    return seed / 2147483648;
};
const between = (lo, hi) => lo + Math.floor(random() * (hi - lo + 1));
const pick = (list) => list[Math.floor(random() * list.length)];

const catalog = Object.fromEntries(JSON.parse(M.catalog()).map((e) => [e.name, e]));
const tables = {};
for (const name of Object.keys(catalog))
    tables[name] = JSON.parse(M.makeEngine(name).fields());

// A text for a field: near its default mostly, now and then one the engines refuse.
function textFor(field) {
    if (field.kind === 'check')
        return pick(['Y', 'N']);
    if (random() < 0.03)
        return pick(['abc', '12.5', '0', '-3', '', '1e400']);
    if (field.kind === 'whole') {
        if (field.control === 'HotTemp') return String(between(150, 1100));
        if (field.control === 'ColdTemp') return String(between(-40, 140));
        if (field.control === 'Phase') return String(between(0, 360));
        if (field.control === 'PhaseOffset') return String(between(-180, 180));
        if (field.control.endsWith('Min')) return String(between(5, 60));
        if (field.control.endsWith('Max')) return String(between(50, 100));
        return String(between(field.low, field.high));
    }
    // Mostly a displacer shorter than its cylinder.
    if (field.control === 'DispCylHeight') return (65 + 135 * random()).toFixed(between(0, 3));
    if (field.control === 'DispHeight') return (10 + 50 * random()).toFixed(between(0, 3));
    const value = Number(field.default) * (0.3 + 1.7 * random());
    return value.toFixed(between(0, 3));
}

function generate(engine) {
    const args = [engine];
    for (const field of tables[engine]) {
        if (random() < 0.5)
            args.push('--set', `${field.control}=${textFor(field)}`);
    }
    if (catalog[engine].batch === 'steps') {
        args.push('--steps', String(between(0, 300)));
    } else {
        args.push('--calc', String(between(1, 2)));
        if (catalog[engine].sweeps && random() < 0.04)
            args.push('--sweep', pick(tables[engine].filter((f) => f.sweep)).control);
    }
    if (random() < 0.3)
        args.push('--at', String(between(-20, 380)));
    return args;
}

// The same run on the WebAssembly engine, step by step as kelvane-cli takes it.
function runWeb(args) {
    const engine = M.makeEngine(args[0]);
    try {
        engine.defaults();
        let sweep = null, at = null, calc = 1, steps = 0;
        const { batch } = catalog[args[0]];
        for (let i = 1; i < args.length; i += 2) {
            const [option, value] = [args[i], args[i + 1]];
            if (option === '--set') {
                const eq = value.indexOf('=');
                engine.put(value.slice(0, eq), value.slice(eq + 1));
            } else if (option === '--calc') calc = Number(value);
            else if (option === '--steps') steps = Number(value);
            else if (option === '--sweep') sweep = value;
            else if (option === '--at') at = Number(value);
        }
        const problems = JSON.parse(engine.problems());
        if (problems.length)
            return { refused: problems[0].control };
        let error = engine.run(batch, batch === 'steps' ? steps : calc);
        if (!error && sweep) error = engine.sweep(sweep);
        if (!error && at !== null) error = engine.run('at', at);
        if (error)
            return { error };
        const charts = JSON.parse(engine.charts());
        const first = sweep ? 5 : 0;
        const series = new Map();
        for (let c = first; c < first + (sweep ? 4 : 5); ++c)
            charts[c].series.forEach((s, i) => series.set(s.name, engine.points(c, i)));
        const [w, h] = catalog[args[0]].picture;
        return { grid: JSON.parse(engine.grid()), series, memo: JSON.parse(engine.memo()),
                 picture: engine.picture(w, h) };
    } finally {
        engine.delete();
    }
}

function runCli(args, dir) {
    const extra = ['--grid', '--csv', dir, '--picture', join(dir, 'picture.png')];
    if (args.includes('--sweep')) extra.push('--memo');
    const run = spawnSync(cli, [...args, ...extra], { encoding: 'utf8' });
    if (run.status !== 0)
        return { status: run.status, stderr: run.stderr.trim() };
    const lines = run.stdout.split('\n');
    lines.pop();
    // The grid's lines hold a tab, the notes' lines (after --memo) none; the
    // engines' notes differ in length.
    const notes = lines.findIndex((l) => !l.includes('\t'));
    const gridLines = lines.splice(0, notes < 0 ? lines.length : notes);
    const series = new Map();
    const picture = readPng(readFileSync(join(dir, 'picture.png')));
    for (const file of readdirSync(dir).filter((f) => f.endsWith('.csv'))) {
        const text = readFileSync(join(dir, file), 'utf8').trim().split('\n').slice(1);
        series.set(file.replace(/\.csv$/, ''), text.map((l) => l.split(',').map(Number)).flat());
    }
    return { status: 0, grid: gridLines.map((l) => l.split('\t')), series, memo: lines, picture };
}

function compare(args, web, native) {
    if (web.refused) {
        if (native.status !== 1 || !/^kelvane-cli: (--set )?(\w+):/.test(native.stderr) ||
            native.stderr.match(/^kelvane-cli: (--set )?(\w+):/)[2] !== web.refused)
            return `the engine refused ${web.refused}, kelvane-cli said: ${native.stderr}`;
        return null;
    }
    if (web.error)
        return native.stderr === `kelvane-cli: ${web.error}` ? null
            : `the engine failed with "${web.error}", kelvane-cli: ${native.stderr}`;
    if (native.status !== 0)
        return `kelvane-cli failed: ${native.stderr}`;
    if (JSON.stringify(web.grid) !== JSON.stringify(native.grid))
        return `grids differ:\n${JSON.stringify(web.grid)}\n${JSON.stringify(native.grid)}`;
    if (args.includes('--sweep') && JSON.stringify(web.memo) !== JSON.stringify(native.memo))
        return `notes differ:\n${web.memo.join('\n')}\n${native.memo.join('\n')}`;
    const pixel = native.picture.rgba.findIndex((v, i) => v !== web.picture[i]);
    if (pixel >= 0 || native.picture.rgba.length !== web.picture.length)
        return `pictures differ at pixel ${pixel >> 2}`;
    if ([...web.series.keys()].sort().join() !== [...native.series.keys()].sort().join())
        return `series names differ: ${[...web.series.keys()]} / ${[...native.series.keys()]}`;
    for (const [name, points] of web.series) {
        const printed = native.series.get(name);
        if (printed.length !== points.length)
            return `${name}: ${points.length / 2} points, kelvane-cli ${printed.length / 2}`;
        // kelvane-cli prints the shortest text that reads back as the same
        // double, so equal numbers here are equal bits.
        const point = points.findIndex((v, i) => !Object.is(v, printed[i]));
        if (point >= 0)
            return `${name}, point ${point >> 1}: ${points[point]} against ${printed[point]}`;
        tally.points += points.length / 2;
    }
    return null;
}

const count = Number(countText);
const tally = { compared: 0, refused: 0, sweeps: 0, points: 0 };
const failures = [];

for (let n = 0; n < count; ++n) {
    const names = Object.keys(catalog);
    const args = generate(names[n % names.length]);
    const dir = mkdtempSync(join(tmpdir(), 'kelvane-compare-'));
    try {
        const web = runWeb(args);
        const problem = compare(args, web, runCli(args, dir));
        if (problem)
            failures.push(`kelvane-cli ${args.join(' ')}\n  ${problem}`);
        tally.compared += 1;
        tally.refused += web.refused || web.error ? 1 : 0;
        tally.sweeps += args.includes('--sweep') ? 1 : 0;
    } finally {
        rmSync(dir, { recursive: true, force: true });
    }
}
console.log(`${tally.compared} argument lists compared (${tally.refused} refused by both, ` +
            `${tally.sweeps} sweeps, ${tally.points} series points): ${failures.length} differ`);
for (const f of failures.slice(0, 10))
    console.log(f);
process.exit(failures.length ? 1 : 0);
