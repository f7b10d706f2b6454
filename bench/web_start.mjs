// The page's start in Chromium, headless, beside a bare Qt Widgets page built with the same Qt:
// from navigation to each page's first frame, a first visit each time (a fresh browser context,
// nothing cached), the two pages taking turns. Both folders are served from this machine with
// their brotli files, as the README asks of a school's server. Prints the table's rows.
//
//   node web_start.mjs TESSELKA_FOLDER BARE_FOLDER RUNS
//
// The split of Tesselka's start: the program's file fetched, compiled and instantiated (Qt's
// loader streams it), its main() reached, the intro made (fonts and style set up, the window
// laid out), its first paint done, the first frame (for both pages the first composite of
// Qt's WebGL canvas, in software here, takes most of the time after the paint).
import { createRequire } from "node:module";
import path from "node:path";
import { serve } from "../tests/web/serve.mjs";

const require = createRequire(new URL("../tests/web/", import.meta.url));
const puppeteer = require("puppeteer-core");
const [tesselkaFolder, bareFolder, runs] = [path.resolve(process.argv[2]), path.resolve(process.argv[3]),
                                            Number(process.argv[4] || 5)];
const size = { width: 1366, height: 768 };


// The loader's compile and instantiation, timed from inside the page.
function watchInstantiation() {
  for (const name of ["instantiateStreaming", "instantiate"]) {
    const original = WebAssembly[name];
    WebAssembly[name] = async (...args) => {
      const result = await original.apply(WebAssembly, args);
      if (!performance.getEntriesByName("wasm instantiated").length) performance.mark("wasm instantiated");
      return result;
    };
  }
}

// Milliseconds from navigation to the first screenshot in which `shown` holds at `point`.
async function firstFrame(browser, url, point, shown) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.setViewport(size);
  await page.evaluateOnNewDocument(watchInstantiation);
  const started = Date.now();
  await page.goto(url);
  const clip = { x: point[0], y: point[1], width: 1, height: 1 };
  for (;;) {
    const png = await page.screenshot({ type: "png", clip, encoding: "binary" });
    if (shown(await pixel(page, png))) break;
    if (Date.now() - started > 60000) throw new Error(`no first frame from ${url}`);
  }
  const frame = Date.now() - started;
  const split = await page.evaluate(() => {
    const at = name => performance.getEntriesByName(name)[0]?.startTime;
    const wasm = performance.getEntriesByType("resource").find(e => e.name.endsWith(".wasm"));
    return { fetched: wasm?.responseEnd, instantiated: at("wasm instantiated"), main: at("tesselka: main"),
             intro: at("tesselka: intro made"), painted: at("tesselka: painted") };
  });
  await context.close();
  return { frame, ...split };
}

// The colour of a one-pixel screenshot, decoded by the page itself.
async function pixel(page, png) {
  return page.evaluate(async data => {
    const bitmap = await createImageBitmap(new Blob([new Uint8Array(data)], { type: "image/png" }));
    const canvas = new OffscreenCanvas(1, 1), context = canvas.getContext("2d");
    context.drawImage(bitmap, 0, 0);
    return Array.from(context.getImageData(0, 0, 1, 1).data.slice(0, 3));
  }, Array.from(png));
}

const median = values => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

const tesselka = await serve(tesselkaFolder), bare = await serve(bareFolder);
const browser = await puppeteer.launch({
  executablePath: process.env.CHROMIUM || "/usr/bin/chromium", headless: true,
  args: ["--no-sandbox", "--use-angle=swiftshader", "--enable-unsafe-swiftshader", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync"],
});
// Tesselka: the intro's picture box (at 150 %, centred) shows its cup rather than the page's grey.
const introPicture = [Math.round((size.width - 374 * 1.5) / 2 + 20 * 1.5), Math.round((size.height - 278 * 1.5) / 2 + 60 * 1.5)];
const notGrey = ([r, g]) => r !== 0xd4 || g !== 0xd0;
// The bare page: its window, full page, in its own blue.
const blue = ([r, g, b]) => r === 0x20 && g === 0x60 && b === 0xa0;
const ours = [], theirs = [];
try {
  await firstFrame(browser, `http://127.0.0.1:${bare.address().port}/bare.html`, [10, 10], blue);  // warm Chromium up
  for (let i = 0; i < runs; ++i) {
    theirs.push(await firstFrame(browser, `http://127.0.0.1:${bare.address().port}/bare.html`, [10, 10], blue));
    ours.push(await firstFrame(browser, `http://127.0.0.1:${tesselka.address().port}/`, introPicture, notGrey));
  }
} finally {
  await browser.close();
  tesselka.close();
  bare.close();
}
const ms = v => `${Math.round(v)} ms`;
const m = key => median(ours.map(r => r[key]));
const frame = m("frame"), bareFrame = median(theirs.map(r => r.frame));
console.log(`| The page in Chromium: navigation → intro's first frame, Tesselka / a bare Qt Widgets page (median of ${runs}) | ${ms(frame)} / ${ms(bareFrame)} (${(frame / bareFrame).toFixed(2)}×) |`);
console.log(`| … where Tesselka's start goes: program fetched / compiled and instantiated / main() / intro made / painted / first frame | ${ms(m("fetched"))} / ${ms(m("instantiated"))} / ${ms(m("main"))} / ${ms(m("intro"))} / ${ms(m("painted"))} / ${ms(frame)} |`);
console.log(`| … the bare page: fetched / instantiated / first frame | ${ms(median(theirs.map(r => r.fetched)))} / ${ms(median(theirs.map(r => r.instantiated)))} / ${ms(bareFrame)} |`);
