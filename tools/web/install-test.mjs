// The web page as an installed app, in headless Chromium with a profile of its own (not an
// incognito one): node install-test.mjs PAGE_FOLDER SECOND_BUILD SHOTS. SECOND_BUILD is the same
// page with one file changed (its index.html marked with <meta name="quorax-build">) and its own
// service worker. A counting server serves one of them at a time. Checks that the browser finds
// the page installable, its manifest and its worker; what the first visit transfers (at most
// 8 MB) and the second (next to nothing); that the second build served in place of the first
// runs at the next load, fetching only what changed, and its cache replaces the first's; that
// with the browser's cache cleared and no network the page starts and plays; and that a build the
// worker cannot fetch whole is a clear line. Screenshots are kept in SHOTS; exits 1 at the first check that fails.
import { cpSync, mkdirSync, mkdtempSync, readdirSync, rmSync, statSync } from "node:fs";
import { tmpdir } from "node:os";
import { join, resolve } from "node:path";
import { check, launchWithProfile, serveCounting, sleep, waitFor, waitForLand1, waitForTitle } from "./page-tools.mjs";

const [first, second, shots] = process.argv.slice(2).map((p) => resolve(p));
mkdirSync(shots, { recursive: true });
const work = mkdtempSync(join(tmpdir(), "quorax-install-"));
const site = join(work, "site");
// The host's folder now holds this build, in place of the one before.
function publish(build, leaveOut = "") {
  rmSync(site, { recursive: true, force: true });
  cpSync(build, site, { recursive: true, filter: (path) => !leaveOut || !path.endsWith(`/${leaveOut}`) });
}
const megabytes = (bytes) => `${(bytes / 1e6).toFixed(2)} MB`;

let server = null;
let context = null;
try {
  // The first visit of a browser to a host that lacks one file of the build: the worker cannot
  // keep the build whole, and the page says so.
  publish(first, "quorax.data.gz");
  server = await serveCounting(site);
  context = await launchWithProfile(join(work, "profile-broken"));
  const broken = context.pages()[0];
  await broken.goto(server.url);
  await broken.locator("#again").waitFor({ state: "visible" });
  const said = await broken.locator("#line").textContent();
  check(/^QUORAX cannot load: quorax\.data\.gz: 404\b/.test(said), `a build the host holds only in part: "${said.replace("\n", " ")}"`);
  await context.close();
  await server.close();

  publish(first);
  server = await serveCounting(site);
  context = await launchWithProfile(join(work, "profile"), { viewport: { width: 1280, height: 960 } });
  const page = context.pages()[0];
  const errors = [];
  page.on("pageerror", (error) => errors.push(String(error)));
  const cdp = await context.newCDPSession(page);
  let shot = 0;
  const screenshotOf = (stage) => async (name) => {
    const file = join(shots, `install-${String(++shot).padStart(2, "0")}-${stage}-${name}.png`);
    await page.locator("#canvas").screenshot({ path: file });
    return file;
  };
  const ready = () => page.locator("#play").waitFor({ state: "visible", timeout: 60000 });
  const buildCaches = () => page.evaluate(async () => (await caches.keys()).filter((name) => name.startsWith("quorax-")));
  async function plays(stage) {
    await page.locator("#panel").click();
    const screenshot = screenshotOf(stage);
    const title = await waitForTitle(screenshot);
    await page.keyboard.down("F1");
    await sleep(200); // held for some frames, as a player presses it
    await page.keyboard.up("F1");
    await waitForLand1(screenshot, title);
  }

  // What the loading line said, every text of it.
  await context.addInitScript(() => {
    window.linesShown = [];
    addEventListener("DOMContentLoaded", () => {
      const line = document.getElementById("line");
      new MutationObserver(() => window.linesShown.push(line.textContent)).observe(line, { childList: true });
    });
  });

  // The first visit: everything once, and the data file only once, with the bytes of the whole
  // counted up on the panel.
  await page.goto(server.url);
  await ready();
  const lines = await page.evaluate(() => window.linesShown.filter((text) => text.startsWith("Loading")));
  const counted = lines.map((text) => /^Loading\u2026 ([\d.]+) of ([\d.]+) MB$/.exec(text)).filter(Boolean);
  const build = readdirSync(first).filter((name) => name !== "sw.js").reduce((sum, name) => sum + statSync(join(first, name)).size, 0);
  const whole = counted.find((step) => step[1] === step[2] && step[2] === (build / 1e6).toFixed(1));
  check(whole !== undefined, `the panel counted the bytes of the whole build up to ${megabytes(build)}: ${counted.map((step) => step[1]).join(" ")}`);
  const firstBytes = server.bytes();
  const fetchedData = server.paths.filter((path) => path === "quorax.data.gz").length;
  console.log(`web: the first visit asked for ${server.paths.join(" ")}`);
  check(fetchedData === 1, `the first visit fetched quorax.data.gz once (${fetchedData})`);
  check(firstBytes <= 8e6, `the first visit transferred ${megabytes(firstBytes)} (at most 8 MB)`);

  const registrations = await page.evaluate(async () =>
    (await navigator.serviceWorker.getRegistrations()).map((r) => (r.active ? r.active.scriptURL : "")));
  check(registrations.length === 1 && registrations[0] === `${server.url}sw.js`, `a service worker is registered and active (${registrations})`);
  check(await page.evaluate(() => navigator.serviceWorker.controller !== null), "the worker serves the page");
  const firstCaches = await buildCaches();
  check(firstCaches.length === 1, `the build's files are in one cache (${firstCaches})`);

  const manifest = await cdp.send("Page.getAppManifest");
  const data = JSON.parse(manifest.data || "{}");
  check(manifest.errors.length === 0 && data.name === "QUORAX",
    `the manifest ${manifest.url} has no errors (${JSON.stringify(manifest.errors)}): ${data.name}, ${data.display}, ${data.orientation}, ${data.icons.length} icons`);
  // The browser looks at the manifest's icons and the worker on its own time.
  let installable = null;
  await waitFor("an installable page", async () => {
    installable = (await cdp.send("Page.getInstallabilityErrors")).installabilityErrors;
    return installable.length === 0;
  }).catch(() => check(false, `the page is installable: ${JSON.stringify(installable)}`));
  check(true, "Page.getInstallabilityErrors reports no errors: the page is installable");

  // The second visit: from the worker's cache; only the browser's look at the worker goes out.
  const before = server.bytes();
  const asked = server.paths.length;
  await page.reload();
  await ready();
  const secondBytes = server.bytes() - before;
  const secondPaths = server.paths.slice(asked);
  check(secondPaths.every((path) => path === "sw.js") && secondBytes <= 20000,
    `the second visit transferred ${secondBytes} bytes (${secondPaths.join(" ") || "nothing"})`);

  // The second build in place of the first, while the browser's HTTP cache still holds the first's
  // index.html: the next load runs the second, and the first's cache is gone.
  publish(second);
  const updateBefore = server.bytes();
  await page.reload();
  await waitFor("the second build's page", () =>
    page.evaluate(() => document.querySelector('meta[name="quorax-build"]') !== null).catch(() => false), 60000);
  await ready();
  const secondCaches = await buildCaches();
  check(secondCaches.length === 1 && secondCaches[0] !== firstCaches[0],
    `the next load runs the second build, its cache ${secondCaches} in place of ${firstCaches}`);
  const updateBytes = server.bytes() - updateBefore;
  check(updateBytes <= 100000, `the update transferred ${updateBytes} bytes: the changed index.html, not the files it kept`);

  // No network at all (the browser offline, the host unreachable) and the browser's own cache
  // emptied: the worker's cache alone starts the second build and plays it.
  await cdp.send("Network.clearBrowserCache");
  await context.setOffline(true);
  server.cut(true);
  await page.reload();
  await ready();
  await plays("offline");
  check(true, `offline, with the browser's cache cleared, the second build starts: the title, then land 1 after F1 (${server.refused()} connections refused meanwhile)`);
  server.cut(false);
  await context.setOffline(false);

  check(errors.length === 0, `no errors on the page${errors.length ? ": " + errors.join(" | ") : ""}`);
} catch (error) {
  console.error(`web: FAILED: ${error.message}`);
  process.exitCode = 1;
} finally {
  if (context) await context.close();
  if (server) await server.close();
  rmSync(work, { recursive: true, force: true });
}
