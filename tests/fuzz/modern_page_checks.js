// Reads each generated page with the browser's own HTML parser and judges
// it against its benign twin. Loaded into the checker page; every batch file
// calls checkBatch(batch), which hands the result to window.batchDone.
"use strict";

const Base = "https://example.test/folder/page.html";
const AddressAttributes = new Set(["href", "src", "action", "formaction", "poster", "data",
                                   "background", "cite", "srcset", "ping", "xlink:href"]);
const StringLiteral = /"(?:[^"\\\n\r\u2028\u2029]|\\[^])*"/g;
const CssUrl = /url\(\s*'((?:[^'\\]|\\[^])*)'\s*\)/g;
const benignShapes = new Map();
const compiled = new Set(); // scripts known to compile: most pages repeat a fixed one

function protocolOf(address) {
  try {
    return new URL(address, Base).protocol;
  } catch (error) {
    return "";
  }
}

// Each run of %XX escapes decoded as UTF-8 (bad bytes become U+FFFD, a
// leading U+FEFF stays), once.
function decodeOnce(text) {
  return text.replace(/(?:%[0-9A-Fa-f]{2})+/g, (run) => {
    const bytes = new Uint8Array(run.length / 3);
    for (let i = 0; i < bytes.length; i++) {
      bytes[i] = parseInt(run.substr(3 * i + 1, 2), 16);
    }
    return new TextDecoder("utf-8", { ignoreBOM: true }).decode(bytes);
  });
}

function cssUnescape(text) {
  return text.replace(/\\([0-9A-Fa-f]{1,6}) ?|\\([^])/g, (all, hex, other) =>
    hex ? String.fromCodePoint(parseInt(hex, 16)) : other);
}

function literals(script) {
  const values = [];
  for (const literal of script.match(StringLiteral) || []) {
    try {
      values.push(JSON.parse(literal));
    } catch (error) {
      values.push(null);
    }
  }
  return values;
}

// A script's shape: its code with every string and number made the same.
function scriptShape(script) {
  return script.replace(StringLiteral, '""').replace(/\b[0-9]+(?:\.[0-9]+)?\b/g, "0");
}

// The elements in document order with their depth and attribute names, the
// comments, the scripts' shapes, and everything the page holds as text.
function read(html) {
  const doc = new DOMParser().parseFromString(html, "text/html");
  const page = { skeleton: [doc.compatMode], scripts: [], texts: [], values: [], addresses: [] };
  (function walk(node, depth) {
    for (let child = node.firstChild; child; child = child.nextSibling) {
      if (child.nodeType === Node.ELEMENT_NODE) {
        const names = child.getAttributeNames().sort();
        page.skeleton.push(depth + " " + child.localName + " [" + names.join(" ") + "]");
        for (const name of names) {
          const value = child.getAttribute(name);
          page.values.push(value);
          if (AddressAttributes.has(name)) {
            page.addresses.push(value);
          }
          for (const match of value.matchAll(CssUrl)) {
            page.addresses.push(cssUnescape(match[1]));
          }
        }
        if (child.localName === "script") {
          page.scripts.push(child.textContent);
        } else {
          walk(child.localName === "template" ? child.content : child, depth + 1);
        }
      } else if (child.nodeType === Node.TEXT_NODE) {
        page.texts.push(child.data);
      } else {
        page.skeleton.push(depth + " #" + child.nodeName);
      }
    }
  })(doc, 0);
  page.shape = page.skeleton.concat(page.scripts.map(scriptShape)).join("\n");
  page.literals = [].concat(...page.scripts.map(literals));
  return page;
}

function firstDifference(a, b) {
  const left = a.split("\n");
  const right = b.split("\n");
  for (let i = 0; i < Math.max(left.length, right.length); i++) {
    if (left[i] !== right[i]) {
      return JSON.stringify(left[i]) + " where the benign page has " + JSON.stringify(right[i]);
    }
  }
  return "";
}

// What is wrong with one page, empty when nothing is.
function problemsOf(item) {
  const problems = [];
  const page = read(item.page);
  const benign = benignShapes.get(item.benign);
  if (page.shape !== benign) {
    problems.push("shape differs from the benign page: " + firstDifference(page.shape, benign));
  }
  page.scripts.forEach((script, i) => {
    if (compiled.has(script)) {
      return;
    }
    try {
      new Function(script);
      if (compiled.size < 1000) {
        compiled.add(script);
      }
    } catch (error) {
      problems.push("script " + i + " does not compile: " + error.message);
    }
  });
  if (page.literals.includes(null)) {
    problems.push("a string literal that is no JSON string");
  }
  const shown = new Set(item.shown);
  const typedData = new Set();
  for (const address of item.typedAddresses) {
    if (/^data:/i.test(address)) {
      typedData.add(address).add(decodeOnce(address));
    }
  }
  const addresses = page.addresses.concat(page.literals.filter((v) => v !== null && !shown.has(v)));
  for (const address of addresses) {
    const protocol = protocolOf(address);
    if (protocol === "javascript:" || protocol === "vbscript:") {
      problems.push("runs script: " + JSON.stringify(address));
    } else if (protocol === "data:" && !typedData.has(address) &&
               !typedData.has(decodeOnce(address))) {
      problems.push("data: address nobody typed: " + JSON.stringify(address));
    }
  }
  const held = page.texts.concat(page.values, page.literals).join("\u0000");
  for (const text of item.shown) {
    if (!held.includes(text)) {
      problems.push("not shown as typed: " + JSON.stringify(text));
    }
  }
  const kept = new Set(page.values.concat(page.literals).map((v) => decodeOnce(v || "")));
  for (const address of item.addresses) {
    if (address && !kept.has(address) && !kept.has(decodeOnce(address))) {
      problems.push("address not kept as typed: " + JSON.stringify(address));
    }
  }
  return problems;
}

function checkBatch(batch) {
  const result = { maker: batch.maker, checked: 0, refused: 0, failures: [] };
  try {
    for (const [id, html] of Object.entries(batch.benign)) {
      benignShapes.set(Number(id), read(html).shape);
    }
    for (const item of batch.cases) {
      if (item.refused) {
        result.refused++;
        continue;
      }
      result.checked++;
      const problems = problemsOf(item);
      if (problems.length) {
        result.failures.push({ index: item.index, problems: problems });
      }
    }
  } catch (error) {
    result.failures.push({ index: -1, problems: ["checker failed: " + error.stack] });
  }
  window.batchDone(result);
}
